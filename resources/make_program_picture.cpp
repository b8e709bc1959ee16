// SPDX-FileCopyrightText: 2026 kwelt developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes kwelt.ico, kwelt_icon_image.bin (the icon's one image, as the Windows resource script
// takes it) and kwelt.png from the picture's text source:
//   kwelt_make_program_picture kwelt_icon.txt OUTPUT_DIR
// The committed picture files are made with it; a test checks that they still match.
// With --icons it writes the desktop icons instead, as a hicolor icon theme folder: each
// drawing at the sizes that follow it, and the 32 px drawing as the scalable icon too:
//   kwelt_make_program_picture --icons OUTPUT_DIR NAME DRAWING.txt SIZE... [DRAWING.txt SIZE...]

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

std::optional<kwelt::picture::Grid> readGrid(const QString& name)
{
    QTextStream err(stderr);
    QFile source(name);
    if (!source.open(QIODevice::ReadOnly)) {
        err << "cannot read " << name << "\n";
        return std::nullopt;
    }
    QString error;
    auto grid = kwelt::picture::parseGrid(QString::fromUtf8(source.readAll()), &error);
    if (!grid) {
        err << name << ": " << error << "\n";
    }
    return grid;
}

int writeIcons(const QString& dir, const QString& name, const QStringList& arguments)
{
    QTextStream err(stderr);
    std::optional<kwelt::picture::Grid> grid;
    for (const QString& argument : arguments) {
        if (argument.endsWith(QStringLiteral(".txt"))) {
            grid = readGrid(argument);
            if (!grid) {
                return 1;
            }
            if (grid->size() != kwelt::picture::Size) {
                continue;
            }
            const QString scalable = dir + QStringLiteral("/hicolor/scalable/apps");
            if (!QDir().mkpath(scalable)
                || !writeFile(
                    scalable + QLatin1Char('/') + name + QStringLiteral(".svg"), kwelt::picture::toSvg(*grid))) {
                err << "cannot write the scalable icon in " << scalable << "\n";
                return 1;
            }
            continue;
        }
        bool ok = false;
        const int size = argument.toInt(&ok);
        const QImage image = ok && grid ? kwelt::picture::toScaledImage(*grid, size) : QImage();
        if (image.isNull()) {
            err << "'" << argument << "' is no whole multiple of a drawing before it\n";
            return 2;
        }
        const QString folder = QStringLiteral("%1/hicolor/%2x%2/apps").arg(dir).arg(size);
        if (!QDir().mkpath(folder) || !image.save(folder + QLatin1Char('/') + name + QStringLiteral(".png"), "PNG")) {
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
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    if (arguments.size() >= 5 && arguments.first() == QStringLiteral("--icons")) {
        return writeIcons(arguments[1], arguments[2], arguments.mid(3));
    }
    if (arguments.size() != 2) {
        err << "usage: kwelt_make_program_picture SOURCE.txt OUTPUT_DIR\n"
               "       kwelt_make_program_picture --icons OUTPUT_DIR NAME DRAWING.txt SIZE... [DRAWING.txt SIZE...]\n";
        return 2;
    }
    const auto grid = readGrid(arguments[0]);
    if (!grid) {
        return 1;
    }
    const QString dir = arguments[1];
    const QByteArray ico = kwelt::picture::toIco(*grid);
    // The .ico file, and its image alone, which the Windows resources take without the header.
    for (const auto& [name, bytes] : {std::pair(QStringLiteral("kwelt.ico"), ico),
             std::pair(QStringLiteral("kwelt_icon_image.bin"), ico.mid(kwelt::picture::IcoHeaderSize))}) {
        if (!writeFile(dir + QLatin1Char('/') + name, bytes)) {
            err << "cannot write " << dir << "/" << name << "\n";
            return 1;
        }
    }
    if (!kwelt::picture::toImage(*grid).save(dir + QStringLiteral("/kwelt.png"), "PNG")) {
        err << "cannot write " << dir << "/kwelt.png\n";
        return 1;
    }
    return 0;
}
