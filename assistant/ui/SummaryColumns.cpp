#include "SummaryColumns.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>

#include "Lumbrick.h"
#include "QtText.h"
#include "RichEdit.h"
#include "Translator.h"
#include "Unit.h"

namespace {

// Room for a count of up to six digits; "-1" marks one never computed.
constexpr const char* kWidestCount = "000000";

QList<QTextOption::Tab> SummaryTabs(const QFontMetricsF& Metrics) try {
  const auto width = [&](const std::string& Text) { return Metrics.horizontalAdvance(Qs(Text)); };
  // The headings stand further apart from the counts than the pairs, which
  // already leave room for six digits, from each other.
  const qreal headingGap = width("    ");
  const qreal gap = width("  ");
  qreal heading = 0;
  qreal pair = 0;
  for (const int language : {1, 2}) {
    for (const char* text : SummaryHeadings) heading = std::max(heading, width(TrtIn(language, text)));
    const auto widest = [&](const auto& Names) {
      for (const char* name : Names) pair = std::max(pair, width(TrtIn(language, name) + " : " + kWidestCount));
    };
    widest(SummaryCodeStates);
    widest(SummaryModifications);
  }
  QList<QTextOption::Tab> tabs;
  qreal x = heading + headingGap;
  for (std::size_t i = 0; i < SummaryCodeStates.size(); ++i, x += pair + gap)
    tabs.append(QTextOption::Tab(x, QTextOption::LeftTab));
  return tabs;
} catch (...) {
  VIX->Push("Function SummaryTabs");
  throw;
}

}  // namespace

void AlignSummaryColumns(TRichEdit& Memo) try {
  QTextBlockFormat format;
  format.setTabPositions(SummaryTabs(QFontMetricsF(Memo.font())));
  QTextCursor all(Memo.document());
  all.select(QTextCursor::Document);
  all.mergeBlockFormat(format);
} catch (...) {
  VIX->Push("Procedure AlignSummaryColumns");
  throw;
}

void RealignSummaryColumns(TRichEdit& Memo) try {
  if (!Memo.document()->begin().blockFormat().tabPositions().isEmpty()) AlignSummaryColumns(Memo);
} catch (...) {
  VIX->Push("Procedure RealignSummaryColumns");
  throw;
}
