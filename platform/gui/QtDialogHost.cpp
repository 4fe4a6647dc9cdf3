#include "QtDialogHost.h"

#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <vector>

#include "DialogOwner.h"
#include "QtText.h"

namespace {

struct ButtonKind {
  TMsgDlgBtn button;
  int result;  // mrNone: the button does not end the dialog
  const char* text;
  const char* name;
};

// In the order the original platform lays them out, left to right.
constexpr ButtonKind kButtons[] = {
    {mbYes, mrYes, "&Yes", "btYes"},
    {mbNo, mrNo, "&No", "btNo"},
    {mbOK, mrOk, "OK", "btOK"},
    {mbCancel, mrCancel, "Cancel", "btCancel"},
    {mbAbort, mrAbort, "&Abort", "btAbort"},
    {mbRetry, mrRetry, "&Retry", "btRetry"},
    {mbIgnore, mrIgnore, "&Ignore", "btIgnore"},
    {mbAll, mrAll, "&All", "btAll"},
    {mbNoToAll, mrNoToAll, "N&o to All", "btNoToAll"},
    {mbYesToAll, mrYesToAll, "Yes to &All", "btYesToAll"},
    {mbHelp, mrNone, "&Help", "btHelp"},
};

// The Win32 button sets of the plain message box (flags & 0xF).
enum : unsigned { kOk = 0, kOkCancel = 1, kAbortRetryIgnore = 2, kYesNoCancel = 3,
                  kYesNo = 4, kRetryCancel = 5 };

struct BoxLayout {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  TMsgDlgButtons buttons = mbOK;
  TMsgDlgButtons default_button = 0;
  TMsgDlgButtons escape_button = 0;
};

QMessageBox::Icon IconOf(TMsgDlgType type) {
  switch (type) {
    case TMsgDlgType::mtWarning: return QMessageBox::Warning;
    case TMsgDlgType::mtError: return QMessageBox::Critical;
    case TMsgDlgType::mtInformation: return QMessageBox::Information;
    case TMsgDlgType::mtConfirmation: return QMessageBox::Question;
    case TMsgDlgType::mtCustom: break;
  }
  return QMessageBox::NoIcon;
}

TMsgDlgButtons FirstOf(TMsgDlgButtons present, std::initializer_list<TMsgDlgBtn> choices) {
  for (TMsgDlgBtn b : choices)
    if (present & b) return b;
  return 0;
}

// The message dialog: Enter presses OK, else Yes, else Retry; Escape presses
// Cancel, else No, else OK.
BoxLayout MessageDlgLayout(TMsgDlgType type, TMsgDlgButtons buttons) {
  BoxLayout l;
  l.icon = IconOf(type);
  // A box without buttons could not be closed.
  l.buttons = buttons ? buttons : TMsgDlgButtons(mbOK);
  l.default_button = FirstOf(l.buttons, {mbOK, mbYes, mbRetry});
  l.escape_button = FirstOf(l.buttons, {mbCancel, mbNo, mbOK});
  return l;
}

// The plain message box: the Win32 icon, button set and default button
// flags. Escape answers Cancel, or OK when OK stands alone.
BoxLayout MessageBoxLayout(unsigned flags) {
  BoxLayout l;
  switch (flags & 0xF0) {
    case MB_ICONSTOP: l.icon = QMessageBox::Critical; break;
    case MB_ICONQUESTION: l.icon = QMessageBox::Question; break;
    case MB_ICONWARNING: l.icon = QMessageBox::Warning; break;
    case MB_ICONINFORMATION: l.icon = QMessageBox::Information; break;
    default: break;
  }
  std::vector<TMsgDlgBtn> order;
  switch (flags & 0xF) {
    case kOkCancel: order = {mbOK, mbCancel}; break;
    case kAbortRetryIgnore: order = {mbAbort, mbRetry, mbIgnore}; break;
    case kYesNoCancel: order = {mbYes, mbNo, mbCancel}; break;
    case kYesNo: order = {mbYes, mbNo}; break;
    case kRetryCancel: order = {mbRetry, mbCancel}; break;
    default: order = {mbOK}; break;
  }
  l.buttons = 0;
  for (TMsgDlgBtn b : order) l.buttons |= b;
  const std::size_t defIndex = (flags >> 8) & 0xF;  // MB_DEFBUTTON2 = 0x100, ...
  l.default_button = order[defIndex < order.size() ? defIndex : 0];
  if (l.buttons & mbCancel)
    l.escape_button = mbCancel;
  else if (order.size() == 1)
    l.escape_button = order[0];
  return l;
}

int ShowBox(const char* boxName, const BoxLayout& layout, const DialogRequest& r) {
  TOwnedDialog<QMessageBox> owned;
  QMessageBox& box = *owned;
  box.setObjectName(QString::fromLatin1(boxName));
  box.setIcon(layout.icon);
  box.setWindowTitle(QsDisplay(r.title));
  box.setTextFormat(Qt::PlainText);  // a message is never markup
  box.setText(r.textIsUtf8 ? QsDisplayUtf8(r.text) : QsDisplay(r.text));
  box.setWindowModality(Qt::ApplicationModal);

  std::vector<std::pair<QAbstractButton*, int>> results;
  for (const ButtonKind& kind : kButtons) {
    if (!(layout.buttons & kind.button)) continue;
    // One role for all keeps the original order whatever the desktop's
    // button layout.
    QPushButton* button = box.addButton(QString::fromLatin1(kind.text), QMessageBox::ActionRole);
    button->setObjectName(QString::fromLatin1(kind.name));
    results.emplace_back(button, kind.result);
    if (kind.button == layout.default_button) box.setDefaultButton(button);
    if (kind.button == layout.escape_button) box.setEscapeButton(button);
    if (kind.button == mbHelp) {
      // Help keeps the box open, as on the original platform; this host has
      // no viewer for help contexts.
      if (auto* buttonBox = box.findChild<QDialogButtonBox*>())
        QObject::disconnect(button, &QAbstractButton::clicked, buttonBox, nullptr);
    }
  }
  owned.Exec();
  if (!owned.Alive()) return mrCancel;
  for (const auto& [button, result] : results)
    if (button == box.clickedButton()) return result;
  return mrCancel;
}

DialogAnswer ShowInputQuery(const DialogRequest& r) {
  TOwnedDialog<QInputDialog> owned;
  QInputDialog& dialog = *owned;
  dialog.setObjectName(QStringLiteral("InputQuery"));
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(QsDisplay(r.title));
  dialog.setLabelText(QsDisplay(r.text));
  dialog.setTextValue(Qs(r.value));
  dialog.setOkButtonText(QStringLiteral("OK"));
  dialog.setCancelButtonText(QStringLiteral("Cancel"));
  if (auto* edit = dialog.findChild<QLineEdit*>()) edit->setObjectName(QStringLiteral("edValue"));
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
    if (auto* ok = buttons->button(QDialogButtonBox::Ok)) ok->setObjectName(QStringLiteral("btOK"));
    if (auto* cancel = buttons->button(QDialogButtonBox::Cancel))
      cancel->setObjectName(QStringLiteral("btCancel"));
  }
  DialogAnswer a;
  a.value = r.value;
  if (owned.Exec() == QDialog::Accepted && owned.Alive()) {
    a.result = mrOk;
    a.value = As(dialog.textValue());
  } else {
    a.result = mrCancel;
  }
  return a;
}

}  // namespace

DialogAnswer QtDialogHost::Show(const DialogRequest& r) {
  switch (r.kind) {
    case DialogRequest::Kind::MessageDlg:
      return {ShowBox("MessageDlg", MessageDlgLayout(r.type, r.buttons), r), {}};
    case DialogRequest::Kind::ShowMessage:
      return {ShowBox("ShowMessage", MessageDlgLayout(TMsgDlgType::mtCustom, mbOK), r), {}};
    case DialogRequest::Kind::MessageBox:
      return {ShowBox("MessageBox", MessageBoxLayout(r.flags), r), {}};
    case DialogRequest::Kind::InputQuery:
      return ShowInputQuery(r);
  }
  return {};
}
