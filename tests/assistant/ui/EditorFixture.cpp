#include "EditorFixture.h"

#include <QCoreApplication>
#include <QImage>
#include <QTest>

#include "AppObjects.h"
#include "CommonGlobals.h"
#include "RichEdit.h"
#include "Settings.h"

namespace {

std::string Crlf(const std::string& Text) {
  std::string s;
  for (char c : Text) {
    if (c == '\n') s += '\r';
    s += c;
  }
  return s;
}

}  // namespace

namespace units {

const std::string Unit1 = Crlf(R"(unit Unit1;

interface

procedure Alpha;
function Beta(X: Integer): Integer;
procedure Gamma;
procedure Delta;
procedure Epsilon;
procedure Zeta;

implementation

uses SysUtils, Lumbrick;

procedure Alpha;
begin
  raise Exception.Create('alpha failed');
end;

function Beta(X: Integer): Integer;
begin
  Try
    Result := X * 2;
  Except VIX.Push('Unit1.pas : Function Beta(X: Integer)'); Raise; End;
end;

procedure Gamma;
begin
  Try
    WriteLn('gamma');
  Except VIX.Push('Unit1.pas : Procedure Gamma(old)'); Raise; End;
end;

procedure Delta;
begin
  {Corvane.IgnoreRoutine}
  WriteLn('delta');
end;

procedure Epsilon;
begin
  WriteLn('epsilon');
  Alpha;
end;

procedure Zeta;
begin
  Try
    WriteLn('zeta');
  Except
    VIX.Push('Unit1.pas : Procedure Zeta');
    Raise;
  End;
end;

end.
)");

const std::string Unit2 = Crlf(R"(unit Unit2;

interface

procedure Two;

implementation

procedure Two;
begin
  WriteLn('two');
end;

end.
)");

const std::string SecuredUnit1 = [] {
  std::string s = Unit1;
  const auto replace = [&s](const std::string& From, const std::string& To) {
    s.replace(s.find(From), From.size(), To);
  };
  replace("begin\r\n  raise Exception.Create('alpha failed');\r\nend;",
          "begin\r\n  Try\r\n    raise Exception.Create('alpha failed');\r\n"
          "  Except VIX.Push('Unit1.pas : Procedure Alpha'); Raise; End;\r\nend;");
  replace("Procedure Gamma(old)", "Procedure Gamma");
  replace("begin\r\n  WriteLn('epsilon');\r\n  Alpha;\r\nend;",
          "begin\r\n  Try\r\n    WriteLn('epsilon');\r\n    Alpha;\r\n"
          "  Except VIX.Push('Unit1.pas : Procedure Epsilon'); Raise; End;\r\nend;");
  return s;
}();

const std::string Broken = Crlf(R"(unit Broken;

interface

implementation

procedure Lost;
begin
end;
end;

end.
)");

const std::string Nested = Crlf(R"(unit Nested;

interface

implementation

procedure Outer;

  procedure Middle;

    procedure Inner;
    begin
    end;

  begin
    Inner;
  end;

begin
  Middle;
end;

end.
)");

const std::string Refused = Crlf(R"(unit Refused;

interface

implementation

procedure OneLiner; begin WriteLn('one'); end;

procedure Fast; assembler;
asm
  nop
end;

procedure Fine;
begin
  WriteLn('fine');
end;

end.
)");

}  // namespace units

EditorTest::EditorTest() { fmLog = &log; }

EditorTest::~EditorTest() {
  delete editor.data();
  CurrentAppli.reset();
  fmLog = nullptr;
  GUIOptions = TGUIOptions{};
  DebugMode = false;
}

void EditorTest::OpenProject(const std::vector<std::pair<std::string, std::string>>& Units) {
  dir.Write("proj/App.dpr", "program App;\r\n\r\nbegin\r\nend.\r\n");
  std::string list;
  for (const auto& [name, source] : Units) {
    dir.Write("proj/" + name, source);
    list += TUnit(UnitPath(name)).GetIniString() + "\r\n";
  }
  dir.Write("prog/App.bul", list);
  IniFile->WriteString(ProjectFile(), "DataFileName", "App.bul");
  CurrentAppli = TAppli::CreateFromFile(ProjectFile());
  for (const auto& unit : CurrentAppli->Units) unit->Selected = true;
}

TfmEditor& EditorTest::OpenEditor(bool ScanAll) {
  editor = new TfmEditor(&mainWindow);
  editor->ShowUnits();
  editor->ExecuteShow(ScanAll);
  QCoreApplication::processEvents();
  return *editor;
}

void EditorTest::ClickRow(TObjectGridBase* Grid, int Row) {
  QTest::mouseClick(Grid->viewport(), Qt::LeftButton, {}, Grid->visualRect(Grid->model()->index(Row, 0)).center());
}

QImage EditorTest::Rows(TObjectGridBase* Grid) {
  QCoreApplication::processEvents();
  return Grid->viewport()->grab().toImage();
}

std::vector<std::string> EditorTest::LogLines() const {
  std::vector<std::string> lines;
  for (int i = 0; i < log.LineCount(); ++i) lines.push_back(log.Lines(i));
  return lines;
}

std::vector<std::string> EditorTest::MemoLines() const {
  std::vector<std::string> lines;
  for (int i = 0; i < editor->mCode->LineCount(); ++i) lines.push_back(editor->mCode->Lines(i));
  return lines;
}

TUnit& EditorTest::UnitAt(int Index) const { return *CurrentAppli->Units.GetUnit(Index); }
