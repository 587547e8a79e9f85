#include "report/ui/export.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QStandardPaths>
#include <QUrl>

#include "report/core/workbook.h"
#include "shell/ui/message.h"

namespace hanhai::report {

QString sheetFolder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
        .filePath(QStringLiteral("瀚海算匠计算书"));
}

QString exportSheet(QWidget *screen, const QString &caption, const Sheet &sheet) {
    // The name comes from the caption and the clock only: a field may hold "/" or worse.
    const QString stem = caption + QLatin1Char(' ') +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HHmmss"));
    const SaveResult saved = saveNewWorkbook(sheet, QDir::toNativeSeparators(sheetFolder()).toStdString(),
                                             stem.toStdString());
    const QString path = QString::fromStdString(saved.path.string());
    if (!saved.ok) {
        shell::showMessage(screen, QStringLiteral("计算书无法保存：") + path + QLatin1Char('\n') +
                                       QString::fromStdString(saved.error));
        return {};
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        shell::showMessage(screen, QStringLiteral("计算书已保存到：") + path);
    return path;
}

}  // namespace hanhai::report
