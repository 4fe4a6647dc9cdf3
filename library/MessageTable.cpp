#include "Lumbrick.h"
#include "SysUtils.h"

namespace {
struct Entry {
  const char* english;
  const char* french;  // Windows-1252
};

// Indexes 0..14; index 3 has no text and gives the fallback.
constexpr Entry kMessages[] = {
    {"View more informations ?", "Voir plus d'informations ?"},
    {"Missing <textarea name=\"taLumbrick\"...>...</textarea> in model file ",
     "<textarea name=\"taLumbrick\"...>...</textarea> manquant dans le fichier mod\xE8le "},
    {"Impossible to find Model file ", "Impossible de trouver le fichier Mod\xE8le "},
    {nullptr, nullptr},
    {"Error while writing file ", "Erreur en \xE9" "criture du fichier "},
    {"Overwrite operation refused by user", "Ecrasement du fichier refus\xE9 par l'utilisateur"},
    {" already exists. Overwrite it ?", " existe d\xE9j\xE0. L'\xE9" "craser ?"},
    {"Impossible to Create HTML Bug Report", "Impossible de cr\xE9" "er le bug report HTML"},
    {"No Web Browser Available. Consult ", "Aucun navigateur Web disponible. Consultez "},
    {" Directly from Windows", " directement depuis Windows"},
    {"Station Label", "Libell\xE9 du poste"},
    {"Enter New Station Label", "Entrez un nouveau libell\xE9"},
    {"Impossible to read station settings file ", "Impossible de lire le fichier des r\xE9glages du poste "},
    {"Impossible to save station settings file ", "Impossible d'enregistrer le fichier des r\xE9glages du poste "},
    {"Station label and report numbers are kept until the program closes; the file is left as it is.",
     "Le libell\xE9 du poste et les num\xE9ros des rapports sont gard\xE9s jusqu'\xE0 la fermeture du programme ; "
     "le fichier reste tel quel."},
};
}  // namespace

void GetMessage(int Index, std::string& Text) {
  const bool english = VIX == nullptr || VIX->Language == 1;
  constexpr int count = static_cast<int>(std::size(kMessages));
  if (Index >= 0 && Index < count && kMessages[Index].english != nullptr) {
    Text = english ? kMessages[Index].english : kMessages[Index].french;
    return;
  }
  Text = Format(english ? "Error Calling GetMessage(%d)" : "Erreur d'appel de GetMessage(%d)", {Index});
}

std::string GetMessage(int Index) {
  std::string text;
  GetMessage(Index, text);
  return text;
}
