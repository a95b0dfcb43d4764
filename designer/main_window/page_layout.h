#pragma once
// The page on the design surface: the paper box and the report area sized
// from the report style at zoom level 0, the area in the middle of the
// paper. Start-up, New, Open and Modify Report Style lay it out; the
// placement on the printed page is the report style's own business.
namespace designer {

class TForm1;
struct TReportStyle;

void LayOutPage(TForm1& form);

// The report area centred on the paper as the page shows it: landscape
// takes the paper's height across.
void CentrePlacement(TReportStyle& style);

}  // namespace designer
