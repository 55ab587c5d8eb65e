// The program's credit texts and support address, shared by the main window's
// caption, the about box and the printed report so they never drift apart.
#pragma once

namespace Credits {

// The three organisations that made the program; the report's header line
// right-aligns this text, so it stays short enough for a portrait page.
inline constexpr char MakersShortCredit[] =
    "Velmora Water Institute / Orrinfield Systems / Taskel Hydro Consulting";

// Follows "Version: <version>" in the report's footer, hence the leading
// " - "; it has to end before the page number 3.5 inches in.
inline constexpr char MakersFullCredit[] = " - Velmora / Orrinfield / Taskel";

// Follows "Quorval Version: <version> " in the main window's caption.
inline constexpr char CaptionCredit[] =
    "- Velmora Water Institute / Orrinfield Systems / Taskel Hydro Consulting";

// The body that commissioned the scorecard; its logo is report-logo.jpg.
inline constexpr char CommissioningBody[] = "Elandra Water Board";

// About box: bold heading at (77,72) and the credit beside it at (170,72);
// the credit wraps after the comma in the narrow column.
inline constexpr char AboutCreditHeading[] = "Credits:";
inline constexpr char AboutCreditLine[] = "Elandra Water Board, Velmora Institute";

// The designer named on the splash picture and in the logo's hint.
inline constexpr char DesignerCredit[] = "Dr Tavelin";

inline constexpr char SupportEmail[] = "support@quorval.example";

} // namespace Credits
