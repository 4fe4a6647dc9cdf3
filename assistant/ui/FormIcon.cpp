#include "FormIcon.h"

#include <QWidget>

#include "Lumbrick.h"

const TImageList* IconList = nullptr;

void SetFormIcon(QWidget* Form) try {
  if (IconList != nullptr && IconList->Count() > 0) Form->setWindowIcon(IconList->Icon(0));
} catch (...) {
  VIX->Push("Procedure SetFormIcon");
  throw;
}
