// Anchor of the sumlet library.
namespace sumlet {
int layerVersion() { return 1; }
}
