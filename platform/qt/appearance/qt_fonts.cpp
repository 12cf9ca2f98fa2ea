// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Tappon developers
#include "platform/qt/appearance/qt_fonts.h"

#include <QByteArray>
#include <QFontDatabase>
#include <QResource>

#include <cmath>

namespace tappon {

namespace {

const QString kInstalledSong = QStringLiteral("AR PL UMing CN");
const QStringList kSongFaces{kInstalledSong, "Noto Serif CJK SC", "Noto Sans CJK SC", "WenQuanYi Micro Hei"};
// A casual script whose every letter and digit stays distinct from the others (1, I
// and l; 9, g and q), then brush faces that tell some of them apart less well.
const QStringList kBrushScriptFaces{"Dancing Script", "Kaushan Script", "Z003", kInstalledSong};

// Registers the face once, read in place from the program's image: the resource is
// stored uncompressed, so nothing of it is copied to the heap.
QString registerOwnSongFace()
{
    const QResource resource(QStringLiteral(":/fonts/tappon-song.ttf"));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
        return {};
    const int id = QFontDatabase::addApplicationFontFromData(QByteArray::fromRawData(
        reinterpret_cast<const char*>(resource.data()), static_cast<qsizetype>(resource.size())));
    return id < 0 ? QString() : QFontDatabase::applicationFontFamilies(id).value(0);
}

// Puts the program's own Song face before the installed one it was cut from.
QStringList withOwnSongFace(QStringList faces)
{
    const QString& own = ownSongFamily();
    if (!own.isEmpty())
        faces.insert(faces.indexOf(kInstalledSong), own);
    return faces;
}

}  // namespace

const QString& ownSongFamily()
{
    static const QString family = registerOwnSongFace();
    return family;
}

QStringList fontFamilies(const std::string& designFamily)
{
    const QString family = QString::fromStdString(designFamily);
    if (family == QStringLiteral("宋体") || family.compare(QStringLiteral("SimSun"), Qt::CaseInsensitive) == 0)
        return withOwnSongFace(kSongFaces);
    if (family == QStringLiteral("方正舒体"))
        return withOwnSongFace(kBrushScriptFaces);
    if (family.isEmpty())
        return {};
    return {family};
}

QFont resolveFont(const Font& wanted)
{
    QFont font;
    QStringList families = fontFamilies(wanted.family);
    // The toolkit's default face closes every chain.
    families.append(QFont().defaultFamily());
    font.setFamilies(families);
    font.setPixelSize(static_cast<int>(std::lround(wanted.points * 4.0f / 3.0f)));
    font.setBold(wanted.bold);
    font.setUnderline(wanted.underline);
    return font;
}

}  // namespace tappon
