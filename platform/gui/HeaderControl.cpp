#include "HeaderControl.h"

#include <QMouseEvent>
#include <QStandardItemModel>

#include "Application.h"
#include "Component.h"
#include "QtText.h"

THeaderControl::THeaderControl(int Sections, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent),
      sections_(new QStandardItemModel(0, Sections, this)),
      clickable_(static_cast<std::size_t>(Sections), true) {
  setModel(sections_);
  setSectionsClickable(true);
  setHighlightSections(false);
  setStretchLastSection(true);
  setMinimumSectionSize(0);
  setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  connect(this, &QHeaderView::sectionResized, this, [this](int section) {
    if (!setting_ && dragged_ < 0 && section != count() - 1) dragged_ = section;
  });
  connect(this, &QHeaderView::sectionClicked, this, [this](int section) {
    if (section >= 0 && section < count() && clickable_[static_cast<std::size_t>(section)]) Run(OnSectionClick, section);
  });
}

void THeaderControl::SetSectionWidth(int Index, int Width) {
  setting_ = true;
  resizeSection(Index, Width);
  setting_ = false;
}

std::string THeaderControl::SectionText(int Index) const {
  return As(sections_->headerData(Index, Qt::Horizontal).toString());
}

void THeaderControl::SetSectionText(int Index, const std::string& Text) {
  sections_->setHeaderData(Index, Qt::Horizontal, Qs(Text));
}

void THeaderControl::SetSectionAlignment(int Index, Qt::Alignment Alignment) {
  sections_->setHeaderData(Index, Qt::Horizontal, QVariant::fromValue(Alignment | Qt::AlignVCenter),
                           Qt::TextAlignmentRole);
}

void THeaderControl::SetSectionFixed(int Index, int Width) {
  setSectionResizeMode(Index, QHeaderView::Fixed);
  SetSectionWidth(Index, Width);
}

void THeaderControl::SetSectionAllowClick(int Index, bool Allow) {
  if (Index >= 0 && Index < count()) clickable_[static_cast<std::size_t>(Index)] = Allow;
}

void THeaderControl::mouseReleaseEvent(QMouseEvent* e) {
  QHeaderView::mouseReleaseEvent(e);
  const int section = dragged_;
  dragged_ = -1;
  if (section >= 0) Run(OnSectionResize, section);
}

void THeaderControl::Run(const std::function<void(THeaderControl*, int)>& handler, int section) {
  if (!handler) return;
  RunGuarded(dynamic_cast<TObject*>(window()), [&] { handler(this, section); });
}
