#include "common/filenamelimit.h"

#include <QFile>
#include <QFileInfo>

#include <climits>

#include <unistd.h>

namespace {

constexpr int kUsualLimit = 255;

} // namespace

int fileNameLimit(const QString &fileName)
{
    const long limit = ::pathconf(QFile::encodeName(QFileInfo(fileName).absolutePath()).constData(), _PC_NAME_MAX);
    return limit > 0 && limit < INT_MAX ? int(limit) : kUsualLimit;
}

QString fileNameLengthProblem(const QString &fileName)
{
    const qsizetype length = QFile::encodeName(QFileInfo(fileName).fileName()).size();
    const int limit = fileNameLimit(fileName);
    if (length <= limit)
        return {};
    return QStringLiteral("the name is %1 bytes long; a file name can be at most %2 bytes").arg(length).arg(limit);
}
