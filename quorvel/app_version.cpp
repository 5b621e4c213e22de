// Anchor of the quorvel library.
namespace quorvel {
int layerVersion() { return 1; }
}
