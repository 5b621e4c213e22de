// What screen readers hear of the controls whose Qt defaults would not say
// what they show: a label says its current text and a frame its caption
// (also when empty, never the caption of a frame around them); pictures,
// images and lines say only a description a form gives them.
#pragma once

class QWidget;

namespace forms {

// Puts the layer's accessible interfaces in place (once; cheap afterwards).
void installAccessibility();

} // namespace forms
