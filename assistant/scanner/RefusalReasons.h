// Why an edit of a routine was refused: short fixed English texts, shown
// through the translator, so each is one constant with no data spliced in.
// An edit refuses where making it would leave code that no longer compiles
// or means something else; a routine that is simply not edited by design (an
// asm body, an edit with nothing to do) is no refusal and has no reason.
#pragma once

#include <array>

inline constexpr const char* RefusedStructureError = "The unit has a structure error";
inline constexpr const char* RefusedListOutdated = "The unit must be scanned again";
inline constexpr const char* RefusedNoOwnBegin = "The routine has no begin of its own in this unit";
inline constexpr const char* RefusedInsideBody = "The routine stands inside another routine's body";
inline constexpr const char* RefusedHoldsRoutine = "The routine holds another routine in its body";
inline constexpr const char* RefusedHeadingOpen = "The routine's heading does not end before its body";
inline constexpr const char* RefusedOneLine = "Begin and end stand on one line";
inline constexpr const char* RefusedKeywordsOnLines = "Other keywords share the begin or the end line";
inline constexpr const char* RefusedLineBreaks = "The routine has line breaks other than CR LF";
inline constexpr const char* RefusedBlockInComment = "The block would fall inside a comment";
inline constexpr const char* RefusedUnbalanced = "The body's keywords are not balanced";
inline constexpr const char* RefusedSplitStatement = "The block would split a statement";
inline constexpr const char* RefusedBlockOutside = "The block's Try is not inside the routine's body";
inline constexpr const char* RefusedBlockEnd = "The block's End is not followed by its semicolon";
inline constexpr const char* RefusedMeaning = "Removing the block would change what the code does";
inline constexpr const char* RefusedKeywordsDepend = "Other keywords depend on the block's keywords";
inline constexpr const char* RefusedMarkerInComment = "The marker would fall inside a comment";
inline constexpr const char* RefusedMarkerEmbedded = "The marker is part of a literal or of another comment";
inline constexpr const char* RefusedMarkerJoins = "Removing the marker would join the text around it";
inline constexpr const char* RefusedConditionalUses =
    "The conditional directives leave no safe place for Lumbrick in the uses clauses";

// Every reason, for the translation files and their tests.
inline constexpr std::array AllRefusalReasons = {
    RefusedStructureError, RefusedListOutdated,    RefusedNoOwnBegin,      RefusedInsideBody,
    RefusedHoldsRoutine,   RefusedHeadingOpen,     RefusedOneLine,         RefusedKeywordsOnLines,
    RefusedLineBreaks,     RefusedBlockInComment,  RefusedUnbalanced,      RefusedSplitStatement,
    RefusedBlockOutside,   RefusedBlockEnd,        RefusedMeaning,         RefusedKeywordsDepend,
    RefusedMarkerInComment, RefusedMarkerEmbedded, RefusedMarkerJoins, RefusedConditionalUses};
