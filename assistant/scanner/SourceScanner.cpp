#include "SourceScanner.h"

#include <algorithm>

#include "FileContents.h"
#include "Files.h"
#include "LineBreaks.h"
#include "Lumbrick.h"
#include "Translator.h"

TSourceScanner::TSourceScanner(const std::string& AFileName) try {
  SetFileName(AFileName, false);
} catch (...) {
  VIX->Push("Constructor TSourceScanner.Create");
  throw;
}

TSourceScanner::~TSourceScanner() try {
  ClearKeyWordList();
} catch (...) {
  VIX->Push("Destructor TSourceScanner.Destroy");
  // A destructor's handler rethrows on its own.
}

bool TSourceScanner::SetFileName(const std::string& Name, bool Load) try {
  if (Name == FileName) return true;
  FileName = Name;
  Loaded = false;
  return Load ? LoadSourceFile() : true;
} catch (...) {
  VIX->Push("Function TSourceScanner.SetFileName");
  throw;
}

bool TSourceScanner::LoadSourceFile() try {
  // Taken before the bytes: a change made while they are read then shows.
  std::optional<FileDetails> stamp = FindFileDetails(FileName);
  std::string bytes;
  if (!LoadFileContents(FileName, bytes)) return false;
  FileStamp = stamp ? stamp : FindFileDetails(FileName);
  const TLineBreakStyle style = LineBreakStyleOf(bytes);
  LFLineBreaks = style == TLineBreakStyle::LF;
  Text = LFLineBreaks ? LFToCRLF(bytes) : std::move(bytes);
  Loaded = true;
  FileState = 0;
  // An error recorded on the text just replaced no longer applies; kept, it
  // would block every later scan of the new text.
  ErrorCode = 0;
  ErrorTitle.clear();
  ErrorText.clear();
  LastRefusal.clear();
  RefusedEdits.clear();
  // Which convention an edit should follow is not known: the unit is left
  // as it is, and says why.
  if (style == TLineBreakStyle::Mixed)
    SetErrorMessage(4, Trt("Error in Unit Structure."), Trt("Line Breaks Mix CR LF and LF Alone."));
  TextStatus = ConvertIntoTextStatus(Text);
  SetTextAfterEndStatus();
  return true;
} catch (...) {
  VIX->Push("Function TSourceScanner.LoadSourceFile");
  throw;
}

bool TSourceScanner::SaveSourceFile() try {
  SaveFileContents(FileName, LFLineBreaks ? CRLFToLF(Text) : Text);
  FileStamp = FindFileDetails(FileName);
  FileState = 2;
  return true;
} catch (...) {
  VIX->Push("Function TSourceScanner.SaveSourceFile");
  throw;
}

bool TSourceScanner::FileChangedOnDisk() const try {
  if (!FileStamp) return false;
  const std::optional<FileDetails> now = FindFileDetails(FileName);
  return !now || now->size != FileStamp->size || now->modified_ns != FileStamp->modified_ns;
} catch (...) {
  VIX->Push("Function TSourceScanner.FileChangedOnDisk");
  throw;
}

std::string TSourceScanner::GetUnitName() const try {
  return ExtractFileName(FileName);
} catch (...) {
  VIX->Push("Function TSourceScanner.GetUnitName");
  throw;
}

void TSourceScanner::ClearKeyWordList() try {
  Routines.clear();  // first, so that it never refers to a freed object
  FRoutinesInBodies.clear();
  Keywords.clear();
} catch (...) {
  VIX->Push("Procedure TSourceScanner.ClearKeyWordList");
  throw;
}

int TSourceScanner::RoutineToKeywordIndex(int i) const try {
  if (i < 0 || i >= static_cast<int>(Routines.size())) return -1;
  const auto it = std::find_if(Keywords.begin(), Keywords.end(),
                               [r = Routines[i]](const std::unique_ptr<TKeywordInfo>& k) { return k.get() == r; });
  return it == Keywords.end() ? -1 : static_cast<int>(it - Keywords.begin());
} catch (...) {
  VIX->Push("Function TSourceScanner.RoutineToKeywordIndex");
  throw;
}

void TSourceScanner::SetErrorMessage(int Code, const std::string& Title, const std::string& AText) try {
  if (ErrorCode != 0 || Code == ErrorCode) return;
  ErrorCode = Code;
  ErrorTitle = Title;
  ErrorText = AText;
} catch (...) {
  VIX->Push("Procedure TSourceScanner.SetErrorMessage");
  throw;
}

void TSourceScanner::AdaptNextRoutinesPos(int FromIndex, int Delta) try {
  if (FromIndex < 0) return;
  for (std::size_t i = FromIndex; i < Keywords.size(); ++i) Keywords[i]->Position += Delta;
} catch (...) {
  VIX->Push("Procedure TSourceScanner.AdaptNextRoutinesPos");
  throw;
}

TRoutineInfo* TSourceScanner::GetLevel1Routine(const TRoutineInfo* R) const try {
  if (R == nullptr) return nullptr;
  if (FWindow) return Level1RoutineInScan(R);  // the same answer, without a walk from the first routine
  for (TRoutineInfo* candidate : Routines) {
    if (R->kiBegin == nullptr) {
      if (candidate == R) return candidate;  // no body to be nested in
    } else if (candidate->Position <= R->Position && candidate->kiBegin != nullptr &&
               candidate->kiBegin->Position >= R->kiBegin->Position) {
      return candidate;
    }
  }
  return nullptr;
} catch (...) {
  VIX->Push("Function TSourceScanner.GetLevel1Routine");
  throw;
}

void TSourceScanner::ReplaceText(int P, int Count, const std::string& S, const std::string& Status) try {
  Text.replace(P - 1, Count, S);
  TextStatus.replace(P - 1, Count, Status);
} catch (...) {
  VIX->Push("Procedure TSourceScanner.ReplaceText");
  throw;
}
