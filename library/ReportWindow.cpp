#include "ReportWindow.h"

namespace {
TReportWindowFactory factory = nullptr;
}

TReportWindow* fmLumbrick = nullptr;

void SetReportWindowFactory(TReportWindowFactory f) { factory = f; }
TReportWindowFactory ReportWindowFactory() { return factory; }
