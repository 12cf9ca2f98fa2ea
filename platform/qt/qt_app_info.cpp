#include "platform/qt/qt_app_info.h"

#include <QCoreApplication>

namespace tappon {

std::string QtAppInfo::folder() const
{
    return QCoreApplication::applicationDirPath().toStdString();
}

}  // namespace tappon
