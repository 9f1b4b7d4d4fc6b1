#include "app/desktop_calls.h"

#include "app/context.h"
#include "app/message_box.h"
#include "app/sound_cue.h"

#include <QDir>
#include <QFileInfo>

QString AskText(const QString& prompt, const QString& title, const QString& preset) {
    return ctx().desktop.dialogs->inputBox(prompt, title, preset);
}

QString AskOpenFileName(const QString& title, const QString& folder, const QString& filter) {
    return ctx().desktop.dialogs->openFileName(title, folder, filter);
}

bool OpenWithShell(const QString& path) {
    if (ctx().desktop.shell->open(path)) return true;
    const QString what = QFileInfo(path).isDir() ? QStringLiteral("フォルダ") : QStringLiteral("ファイル");
    PlaySoundCue(NotifyCuePath());
    ShowMessage(QStringLiteral("次の") + what + QStringLiteral("を開けませんでした。\r\n  ") +
                QDir::toNativeSeparators(path) + QStringLiteral("\r\nお手数ですが，この場所から直接開いてください。"));
    return false;
}

QDateTime Now() { return ctx().desktop.clock->now(); }
