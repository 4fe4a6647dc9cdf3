// The platform's header control over QHeaderView: a row of sections, each with
// a text, a width and an alignment, standing alone above a list. The last
// section takes the rest of the width. The user drags a section's right edge
// (OnSectionResize once the mouse is released, for the section dragged) or
// clicks a section (OnSectionClick). Code that sets a width runs neither.
#pragma once

#include <QHeaderView>
#include <functional>
#include <string>
#include <vector>

class QStandardItemModel;

class THeaderControl final : public QHeaderView {
 public:
  THeaderControl(int Sections, QWidget* parent = nullptr);

  int SectionCount() const { return count(); }
  int SectionWidth(int Index) const { return sectionSize(Index); }
  void SetSectionWidth(int Index, int Width);
  // The section's left edge in the control.
  int SectionLeft(int Index) const { return sectionViewportPosition(Index); }
  std::string SectionText(int Index) const;
  void SetSectionText(int Index, const std::string& Text);
  void SetSectionAlignment(int Index, Qt::Alignment Alignment);
  // A section whose width the user cannot change.
  void SetSectionFixed(int Index, int Width);
  // A section that does not react to clicks.
  void SetSectionAllowClick(int Index, bool Allow);

  std::function<void(THeaderControl* Sender, int Section)> OnSectionResize;
  std::function<void(THeaderControl* Sender, int Section)> OnSectionClick;

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  void Run(const std::function<void(THeaderControl*, int)>& handler, int section);

  QStandardItemModel* sections_;
  std::vector<bool> clickable_;
  int dragged_ = -1;     // the section the user is resizing
  bool setting_ = false;  // code is setting a width
};
