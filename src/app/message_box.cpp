#include "app/message_box.h"

#include "app/context.h"

#include <QRegularExpression>

namespace {

// The backslash before an amount is the yen mark; one elsewhere (a folder
// separator named in a message) stays as it is.
QString AsShown(QString text) {
    static const QRegularExpression yenMark(QStringLiteral("\\\\(?=-?[0-9])"));
    return text.replace(yenMark, QStringLiteral("\u00A5"));
}

}  // namespace

void ShowMessage(const QString& text, const QString& title) { ctx().desktop.dialogs->messageBox(AsShown(text), title); }

bool AskYesNo(const QString& question, platform::DefaultAnswer defaultAnswer) {
    return ctx().desktop.dialogs->yesNoBox(AsShown(question), kAppTitle, defaultAnswer);
}
