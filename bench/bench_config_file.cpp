// Times saving and opening a fully populated configuration (levels in every scene and mask,
// every description, 504 programs and 8 extra entries, 8000 actions) against the parts no
// file format can avoid: qCompress / qUncompress of the image alone, and for opening the
// parse of the project description text. Prints the medians and their ratios.

#include "model/controller_configuration_class.h"
#include "model/xml/xml_element_class.h"
#include "model/xml/xml_names.h"
#include "tests/support/config_file_builder.h"
#include "tests/support/configuration_fixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Runs = 9;

// Median of the run times in milliseconds.
double medianMs(const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < Runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Parses a project description the way the reader does, from a text.
void parseDescription(const QByteArray &text)
{
    QTextStream in(text);
    in.setEncoding(QStringConverter::System);
    QString line;
    do {
        line = in.readLine().trimmed();
    } while (line.isEmpty() && !in.atEnd());
    xml_element_class root(-1);
    root.name = xml_names::Root;
    while (xml_element_class::parse(root, in, line)) {
    }
}

void row(const char *what, double ms)
{
    std::printf("  %-44s %9.2f ms\n", what, ms);
}

} // namespace

int main()
{
    QTemporaryDir folder;
    const QString current = folder.filePath(QStringLiteral("full.cfg625"));

    controller_configuration_class source;
    populateConfiguration(source, true);
    const QByteArray image(reinterpret_cast<const char *>(source.confData), int(image_layout::ImageSize));
    const QByteArray compressed = qCompress(image, 9);

    const double compressMs = medianMs([&] { qCompress(image, 9); });
    const double uncompressMs = medianMs([&] { qUncompress(compressed); });
    const double saveMs = medianMs([&] { source.write_confDataToFile(current, false); });

    const QByteArray file = readFileBytes(current);
    const QByteArray xml = file.mid(infoXmlOffset(file));
    const double parseMs = medianMs([&] { parseDescription(xml); });
    controller_configuration_class target;
    const double openMs = medianMs([&] { target.read_confDataFromFile(current); });

    std::printf("Configuration file, fully populated: %lld bytes (%lld of them the description text), "
                "image compressed to %lld bytes; median of %d runs\n",
                qlonglong(file.size()), qlonglong(xml.size()), qlonglong(compressed.size()), Runs);
    row("qCompress(image, 9)", compressMs);
    row("save (write_confDataToFile)", saveMs);
    std::printf("  save / qCompress                             %9.2f   (target 1.30)\n", saveMs / compressMs);
    row("qUncompress(image)", uncompressMs);
    row("parse of the description text", parseMs);
    row("open (read_confDataFromFile)", openMs);
    std::printf("  open / (qUncompress + parse)                 %9.2f   (target 2.00)\n",
                openMs / (uncompressMs + parseMs));
    return 0;
}
