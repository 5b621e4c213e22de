// Anchor of the forms library.
namespace forms {
int layerVersion() { return 1; }
}
