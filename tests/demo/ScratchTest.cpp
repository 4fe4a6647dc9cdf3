#include <QTabWidget>
#include <fstream>
#include "DemoFixture.h"
#include "RadioGroup.h"
#include "ListBox.h"
TEST_F(DemoTest, ScratchDumpPages) {
  std::ifstream in(DEMO_SOURCE_DIR "/Marroway.jpg", std::ios::binary);
  dir.Write("Marroway.jpg", std::string(std::istreambuf_iterator<char>(in), {}));
  WriteIniWithBrowser();
  TfmMain& fm = Open();
  for (int lang : {0, 1}) {
    fm.rgLanguage->SetItemIndex(lang); IsEnglish = lang == 0;
    for (int p = 0; p < 7; ++p) {
      fm.SetPageControlIndex(p); fm.OnActivePageChanged();
      fm.grab().toImage().save(QString("/tmp/page%1_%2.png").arg(p).arg(lang));
    }
  }
}
