// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes kwelt.ico, kwelt_icon_image.bin (the icon's one image, as the Windows resource script
// takes it) and kwelt.png from the picture's text source:
//   kwelt_make_program_picture kwelt_icon.txt OUTPUT_DIR
// The committed picture files are made with it; a test checks that they still match.
// With --icons it writes the desktop icons instead, as a hicolor icon theme folder:
//   kwelt_make_program_picture --icons kwelt_icon.txt OUTPUT_DIR NAME SIZE...

#include "picture_grid.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

namespace {

bool writeFile(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

int writeIcons(const kwelt::picture::Grid& grid, const QString& dir, const QString& name, const QStringList& sizes)
{
    QTextStream err(stderr);
    const QString scalable = dir + QStringLiteral("/hicolor/scalable/apps");
    if (!QDir().mkpath(scalable)
        || !writeFile(scalable + QLatin1Char('/') + name + QStringLiteral(".svg"), kwelt::picture::ToSvg(grid))) {
        err << "cannot write the scalable icon in " << scalable << "\n";
        return 1;
    }
    for (const QString& text : sizes) {
        bool ok = false;
        const int size = text.toInt(&ok);
        if (!ok || size < 1) {
            err << "'" << text << "' is no icon size\n";
            return 2;
        }
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(dir).arg(size);
        if (!QDir().mkpath(folder)
            || !kwelt::picture::ToScaledImage(grid, size)
                    .save(folder + QLatin1Char('/') + name + QStringLiteral(".png"), "PNG")) {
            err << "cannot write the " << size << " px icon in " << folder << "\n";
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QTextStream err(stderr);
    const bool icons = argc >= 5 && qstrcmp(argv[1], "--icons") == 0;
    if (!icons && argc != 3) {
        err << "usage: kwelt_make_program_picture SOURCE.txt OUTPUT_DIR\n"
               "       kwelt_make_program_picture --icons SOURCE.txt OUTPUT_DIR NAME SIZE...\n";
        return 2;
    }
    if (icons) {
        ++argv;
        --argc;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        err << "cannot read " << source.fileName() << "\n";
        return 1;
    }
    QString error;
    const auto grid = kwelt::picture::ParseGrid(QString::fromUtf8(source.readAll()), &error);
    if (!grid) {
        err << source.fileName() << ": " << error << "\n";
        return 1;
    }
    const QString dir = QString::fromLocal8Bit(argv[2]);
    if (icons) {
        QStringList sizes;
        for (int i = 4; i < argc; ++i) {
            sizes.append(QString::fromLocal8Bit(argv[i]));
        }
        return writeIcons(*grid, dir, QString::fromLocal8Bit(argv[3]), sizes);
    }
    QFile ico(dir + QStringLiteral("/kwelt.ico"));
    if (!ico.open(QIODevice::WriteOnly) || ico.write(kwelt::picture::ToIco(*grid)) < 0) {
        err << "cannot write " << ico.fileName() << "\n";
        return 1;
    }
    QFile image(dir + QStringLiteral("/kwelt_icon_image.bin"));
    if (!image.open(QIODevice::WriteOnly)
        || image.write(kwelt::picture::ToIco(*grid).mid(kwelt::picture::IcoHeaderSize)) < 0) {
        err << "cannot write " << image.fileName() << "\n";
        return 1;
    }
    if (!kwelt::picture::ToImage(*grid).save(dir + QStringLiteral("/kwelt.png"), "PNG")) {
        err << "cannot write " << dir << "/kwelt.png\n";
        return 1;
    }
    return 0;
}
