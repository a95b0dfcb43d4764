#pragma once
// The styles in use as a whole: the style list keeps its records, and the
// seven submenus hold one item per style in use.
namespace designer {

class TForm1;

// Takes every style's items out of the seven submenus.
void RemoveAllStyleMenuItems(TForm1& form);

// Gives the style list its full set of records again, should a deletion
// have taken one out.
void EnsureStyleRecords(TForm1& form);

// The default style ("DEFAULTSTYLE", Arial, 8 points, black, plain) as the
// only style in use, with its seven items; record 0 keeps its global flag.
void UseDefaultStyleOnly(TForm1& form);

}  // namespace designer
