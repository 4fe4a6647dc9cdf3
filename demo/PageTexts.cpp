// The texts of the pages in English and in French: the navigation hints, the
// headings and the prose of each page.
#include <QLabel>

#include "DromletMain.h"
#include "Lumbrick.h"
#include "QtText.h"

void TfmMain::TranslateText(int PageIndex) try {
  const std::string br = CRLF(1);
  const std::string br2 = CRLF(2);
  auto set = [](QLabel* label, const std::string& text) { label->setText(QsDisplay(text)); };

  if (IsEnglish) {
    set(lbMenu1, br + "Use arrow buttons" + br + "to select a page");
    set(lbMenu2, "or click a title" + br + "directly in the list");
  } else {
    set(lbMenu1, "Utilisez les fl\xE8" "ches" + br + "pour atteindre" + br + "une page");
    set(lbMenu2, "ou cliquez un" + br + "titre de la liste");
  }

  switch (PageIndex) {
    case 0:
      if (IsEnglish) {
        set(lb01T, "Welcome to Lumbrick Example");
        set(lb01, "This program is a guided tour of Lumbrick, the library that catches the errors of a program at "
                  "run time and reports them." + br2 +
                  "Its pages show unhandled exceptions and exceptions handled by the program itself, errors "
                  "raised while timers, message-pumping loops and threads are running, the Enable and Disable "
                  "methods, the DebugMsg property, and what Lumbrick costs in speed when nothing fails." + br2 +
                  "Use the side panel to go from one page to the next.");
        set(lb02T, "SOURCES");
        set(lb02, "The sources of this example come with it. Lumbrick is set up by a few routines of the main "
                  "window:" + br +
                  "- its creation, which creates the component and binds it to the application's exception "
                  "event;" + br +
                  "- its destruction, which stops what still runs in the background;" + br +
                  "- the exception event, handled by the component itself;" + br +
                  "- CustomInfo, which adds the program's own block to the technical information.");
        set(lb03, "Bug reports are HTML pages displayed in your web browser. Please select below the program "
                  "of your web browser.");
      } else {
        set(lb01T, "Bienvenue dans l'exemple d'Lumbrick");
        set(lb01, "Ce programme est une visite guid\xE9" "e de Lumbrick, la biblioth\xE8que qui intercepte les erreurs "
                  "d'un programme \xE0 l'ex\xE9" "cution et les signale." + br2 +
                  "Ses pages montrent des exceptions non g\xE9r\xE9" "es et des exceptions g\xE9r\xE9" "es par le programme "
                  "lui-m\xEAme, des erreurs survenues pendant que tournent des timers, des boucles de traitement "
                  "des messages et des threads, les m\xE9thodes Enable et Disable, la propri\xE9t\xE9 DebugMsg, et ce "
                  "que co\xFBte Lumbrick en vitesse quand rien n'\xE9" "choue." + br2 +
                  "Passez d'une page \xE0 l'autre avec le panneau de gauche.");
        set(lb02T, "SOURCES");
        set(lb02, "Les sources de cet exemple sont fournies avec lui. Lumbrick est mis en place par quelques "
                  "routines de la fen\xEAtre principale :" + br +
                  "- sa cr\xE9" "ation, qui cr\xE9" "e le composant et le branche sur l'\xE9v\xE9nement d'exception de "
                  "l'application ;" + br +
                  "- sa destruction, qui arr\xEAte ce qui tourne encore en arri\xE8re-plan ;" + br +
                  "- l'\xE9v\xE9nement d'exception, g\xE9r\xE9 par le composant lui-m\xEAme ;" + br +
                  "- CustomInfo, qui ajoute le bloc propre au programme aux informations techniques.");
        set(lb03, "Les bug reports sont des pages HTML affich\xE9" "es dans votre navigateur web. Choisissez "
                  "ci-dessous le programme de votre navigateur.");
      }
      break;
    case 1:
      if (IsEnglish) {
        set(lb11T, "Bug Without Lumbrick");
        set(lb11, "The button below raises one of the most common errors: an access violation on a form that "
                  "was never created. Lumbrick is switched off for this error: you get the standard error "
                  "box, and nothing more.");
        set(lb12T, "Bug With Lumbrick");
        set(lb12, "The button below raises the same error with Lumbrick switched on. Answer Yes to see more: "
                  "the report window shows the technical information. Its button Create BugReport writes the "
                  "bug report as an HTML page and opens it in your web browser, where the user describes what "
                  "was going on and sends the report by mail.");
        set(lb13, "The report holds the user's description, then the technical information: the error, the "
                  "stack list, the screen, the application, the operating system, the memory and the "
                  "regional settings. Here the stack list reads:" + br2 +
                  "=== Stack List ===" + br +
                  "- procedure TfmMain.btSimpleWithClick" + br +
                  " *** EAccessViolation : Access violation at address ...");
      } else {
        set(lb11T, "Bug sans Lumbrick");
        set(lb11, "Le bouton ci-dessous provoque une des erreurs les plus courantes : une violation d'acc\xE8s sur "
                  "une fiche qui n'a jamais \xE9t\xE9 cr\xE9\xE9" "e. Lumbrick est d\xE9sactiv\xE9 pour cette erreur : vous obtenez "
                  "la bo\xEEte d'erreur standard, et rien de plus.");
        set(lb12T, "Bug avec Lumbrick");
        set(lb12, "Le bouton ci-dessous provoque la m\xEAme erreur avec Lumbrick activ\xE9. R\xE9pondez Oui pour en voir "
                  "plus : la fen\xEAtre de rapport affiche les informations techniques. Son bouton Cr\xE9" "er un bug "
                  "report \xE9" "crit le bug report dans une page HTML et l'ouvre dans votre navigateur web, o\xF9 "
                  "l'utilisateur d\xE9" "crit ce qu'il faisait et envoie le rapport par mail.");
        set(lb13, "Le rapport contient la description de l'utilisateur, puis les informations techniques : "
                  "l'erreur, la pile des routines, l'\xE9" "cran, l'application, le syst\xE8me d'exploitation, la "
                  "m\xE9moire et les param\xE8tres r\xE9gionaux. Ici la pile des routines se lit :" + br2 +
                  "=== Stack List ===" + br +
                  "- procedure TfmMain.btSimpleWithClick" + br +
                  " *** EAccessViolation : Access violation at address ...");
      }
      break;
    case 2:
      if (IsEnglish) {
        set(lb21T, "Handled / Unhandled Exceptions");
        set(lb21, "Each button calculates the square root of the number you enter." + br2 +
                  "- The first one has no protection at all: a text that is not a number and a negative value "
                  "such as -100 both reach Lumbrick." + br +
                  "- The second one handles conversion errors only: a text that is not a number gives a simple "
                  "message, while -100 still reaches Lumbrick." + br +
                  "- The third one handles every error: both give a simple message, and Lumbrick is not "
                  "involved." + br2 +
                  "With 100, all three show the result: 10.");
      } else {
        set(lb21T, "Exceptions g\xE9r\xE9" "es / non g\xE9r\xE9" "es");
        set(lb21, "Chaque bouton calcule la racine carr\xE9" "e du nombre saisi." + br2 +
                  "- Le premier n'a aucune protection : un texte qui n'est pas un nombre et une valeur "
                  "n\xE9gative comme -100 arrivent tous deux \xE0 Lumbrick." + br +
                  "- Le deuxi\xE8me ne g\xE8re que les erreurs de conversion : un texte qui n'est pas un nombre donne "
                  "un simple message, tandis que -100 arrive encore \xE0 Lumbrick." + br +
                  "- Le troisi\xE8me g\xE8re toutes les erreurs : les deux donnent un simple message, et Lumbrick "
                  "n'intervient pas." + br2 +
                  "Avec 100, les trois affichent le r\xE9sultat : 10.");
      }
      break;
    case 3:
      if (IsEnglish) {
        set(lb31T, "Parallel Process");
        set(lb31, "The timer shows the time every second, the thread tosses a coin as fast as it can, and the "
                  "counter counts while it lets the program handle its messages. Start any of them, then click "
                  "Enjoy a Bug: the bug report always shows the same stack list, whatever runs at the same "
                  "time.");
        set(lb32T, "Parallel Processes with Bugs");
        set(lb32, "With its box with Bug checked, the timer fails after 5 seconds: its stack list begins with "
                  "TfmMain.Timer1Timer." + br +
                  "With its box with Bug checked, the counter fails at random, near 10000 on average: its "
                  "stack list begins with TfmMain.btCounterClick." + br2 +
                  "Try the combinations: a buggy timer while the counter runs, a buggy counter while the "
                  "timer and the thread run, a bug of your own while everything runs...");
      } else {
        set(lb31T, "Process paral\xE8lles");
        set(lb31, "Le timer affiche l'heure chaque seconde, le thread tire \xE0 pile ou face aussi vite qu'il le "
                  "peut, et le compteur compte en laissant le programme traiter ses messages. Lancez-en un, "
                  "puis cliquez Enjoy a Bug : le bug report montre toujours la m\xEAme pile des routines, quoi "
                  "qu'il tourne en m\xEAme temps.");
        set(lb32T, "Process paral\xE8lles bugg\xE9s");
        set(lb32, "Avec sa case with Bug coch\xE9" "e, le timer \xE9" "choue au bout de 5 secondes : sa pile des routines "
                  "commence par TfmMain.Timer1Timer." + br +
                  "Avec sa case with Bug coch\xE9" "e, le compteur \xE9" "choue au hasard, vers 10000 en moyenne : sa pile "
                  "des routines commence par TfmMain.btCounterClick." + br2 +
                  "Essayez les combinaisons : un timer bugg\xE9 pendant que le compteur tourne, un compteur bugg\xE9 "
                  "pendant que tournent le timer et le thread, un bug \xE0 vous pendant que tout tourne...");
      }
      break;
    case 4:
      if (IsEnglish) {
        set(lb41T, "Use of Enable / Disable Methods");
        set(lb41, "Both buttons calculate the square root of the cosine of the number you enter." + br2 +
                  "- Calculate leaves Lumbrick as it is: every error is reported." + br +
                  "- Disable and Calculate disables Lumbrick while it converts your text, then enables it "
                  "for the calculation." + br2 +
                  "With a text that is not a number, the first gives a bug report and the second the "
                  "standard error box. With 15, whose cosine is negative, both give a bug report. With 1, "
                  "both show the result.");
        set(lb42T, "Permanent Disablement");
        set(lb42, "The Lumbrick switch of the side panel disables Lumbrick for good, until you enable it "
                  "again: every error then gets the standard error box. The buttons of this tour respect your "
                  "choice.");
      } else {
        set(lb41T, "Utilisation des m\xE9thodes Enable et Disable");
        set(lb41, "Les deux boutons calculent la racine carr\xE9" "e du cosinus du nombre saisi." + br2 +
                  "- Calculate laisse Lumbrick tel qu'il est : toute erreur est signal\xE9" "e." + br +
                  "- Disable and Calculate d\xE9sactive Lumbrick pendant la conversion du texte, puis l'active "
                  "pour le calcul." + br2 +
                  "Avec un texte qui n'est pas un nombre, le premier donne un bug report et le second la "
                  "bo\xEEte d'erreur standard. Avec 15, dont le cosinus est n\xE9gatif, les deux donnent un bug "
                  "report. Avec 1, les deux affichent le r\xE9sultat.");
        set(lb42T, "D\xE9sactivation permanente");
        set(lb42, "Le s\xE9lecteur Lumbrick du panneau de gauche d\xE9sactive Lumbrick pour de bon, jusqu'\xE0 ce que "
                  "vous le r\xE9" "activiez : toute erreur re\xE7oit alors la bo\xEEte d'erreur standard. Les boutons de "
                  "cette visite respectent votre choix.");
      }
      break;
    case 5:
      if (IsEnglish) {
        set(lb51T, "Use of DebugMsg Property");
        set(lb51, "DebugMsg is a free text that the program sets while it runs: when an error occurs, Lumbrick "
                  "prints it in the bug report, under the stack list, and clears it." + br2 +
                  "The button runs a loop over a list of 10 empty items: before each line that reads the list, "
                  "it writes that line in DebugMsg, then reads the item at a random index and the item after "
                  "it, until the index is out of bounds.");
        set(lb52T, "DebugMsg Information in the BugReport");
        set(lb52, "The stack list section of the report then ends with the DebugMsg line, which names the "
                  "failing line with Idx = 9 and StringList.Count = 10:" + br2 +
                  " *** DebugMsg : Last Line Executed : Caption := Caption + StringList[Idx+1];  (Idx = 9, "
                  "StringList.Count = 10)");
      } else {
        set(lb51T, "Utilisation de la propri\xE9t\xE9 DebugMsg");
        set(lb51, "DebugMsg est un texte libre que le programme renseigne pendant qu'il tourne : quand une "
                  "erreur survient, Lumbrick l'imprime dans le bug report, sous la pile des routines, puis "
                  "l'efface." + br2 +
                  "Le bouton fait tourner une boucle sur une liste de 10 \xE9l\xE9ments vides : avant chaque ligne "
                  "qui lit la liste, il \xE9" "crit cette ligne dans DebugMsg, puis lit l'\xE9l\xE9ment d'un indice tir\xE9 "
                  "au hasard et l'\xE9l\xE9ment suivant, jusqu'\xE0 ce que l'indice sorte de la liste.");
        set(lb52T, "DebugMsg sur le bugreport");
        set(lb52, "La pile des routines du rapport se termine alors par la ligne DebugMsg, qui nomme la ligne "
                  "fautive avec Idx = 9 et StringList.Count = 10 :" + br2 +
                  " *** DebugMsg : Derni\xE8re ligne ex\xE9" "cut\xE9" "e : Caption := Caption + StringList[Idx+1];  (Idx = "
                  "9, StringList.Count = 10)");
      }
      break;
    case 6:
      if (IsEnglish) {
        set(lb61T, "Performances Evaluation");
        set(lb61, "The protective blocks cost time only when an error occurs: on the normal path of a routine, "
                  "Lumbrick is never called." + br2 +
                  "Both buttons run the same calculation for 10 seconds without Lumbrick, then for 10 seconds "
                  "with it, and compare the number of calculations of the two phases. The standard evaluation "
                  "also shows its count on its button while it runs.");
        set(lb62T, "Interpretation of the Results");
        set(lb62, "The depreciation is the share of calculations lost with Lumbrick. It is usually below 1 %, "
                  "and may even be negative: the difference is within the noise of the system.");
        set(lbWarning, "Parallel processes are running, the evalution will not be reliable.");
        if (lb63->text() == QStringLiteral("lb63")) set(lb63, "No Evaluation Results");
      } else {
        set(lb61T, "Evaluation des performances");
        set(lb61, "Les blocs de protection ne co\xFBtent du temps que lorsqu'une erreur survient : sur le chemin "
                  "normal d'une routine, Lumbrick n'est jamais appel\xE9." + br2 +
                  "Les deux boutons font tourner le m\xEAme calcul 10 secondes sans Lumbrick, puis 10 secondes "
                  "avec, et comparent le nombre de calculs des deux phases. L'\xE9valuation standard affiche "
                  "aussi son compte sur son bouton pendant qu'elle tourne.");
        set(lb62T, "Interpr\xE9tation des r\xE9sultats");
        set(lb62, "La d\xE9pr\xE9" "ciation est la part de calculs perdue avec Lumbrick. Elle est en g\xE9n\xE9ral inf\xE9rieure "
                  "\xE0 1 %, voire n\xE9gative : la diff\xE9rence reste dans le bruit du syst\xE8me.");
        set(lbWarning, "Des process parall\xE8les sont rest\xE9s actifs, l'\xE9valution ne sera pas fiable.");
        if (lb63->text() == QStringLiteral("lb63")) set(lb63, "Aucun \xE9valuation r\xE9" "alis\xE9" "e");
      }
      break;
    default:
      break;
  }
} catch (...) {
  VIX->Push("Procedure TfmMain.TranslateText");
  throw;
}
