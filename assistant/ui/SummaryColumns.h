// The columns of a unit's summary in the scanner window's memo. Its lines of
// counts hold a heading and "name : count" pairs separated by TABs; at the
// host's tab stops, every 80 pixels, a pair could reach the next stop and
// run into the following one, and the lines did not line up. These stops fit
// the widest heading and the widest pair of either language, so a language
// switch moves nothing.
#pragma once

class TRichEdit;

// Sets the summary's tab stops on every line the memo shows, for its font.
void AlignSummaryColumns(TRichEdit& Memo);
// After a font change: a memo that shows the summary gets the stops of the
// new font; any other text keeps the host's stops.
void RealignSummaryColumns(TRichEdit& Memo);
