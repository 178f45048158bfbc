#pragma once
// What assistive technology sees of a combo box's drop-down list.
//
// The toolkit presents every entry of the list as an object of its own at all times, also while
// the list is folded up. A screen reader or any other client that reads the window's objects
// then reads each entry over the accessibility bus, several round trips apiece: for the function
// list of a class with 20,000 functions, one read of the window takes half a minute. Here the
// list presents its entries only while it is dropped down, when the user goes through them; the
// folded-up box still presents its text (the chosen entry) itself. A list without a name of its
// own is named as its box.

namespace tav {

// Makes every combo box's drop-down list present itself that way. Idempotent.
void installDropDownAccessibility();

}  // namespace tav
