#include "platform/qt/qt_shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace tappon {

void QtShell::execute(const ShellRequest& request)
{
    QDesktopServices::openUrl(QUrl(QString::fromStdString(request.file)));
}

}  // namespace tappon
