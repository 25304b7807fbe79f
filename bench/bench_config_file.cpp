// Times saving and opening a fully populated configuration (levels in every scene and mask,
// every description, 504 programs and 8 extra entries, 8000 actions) against the parts no
// file format can avoid: qCompress / qUncompress of the image alone, and for opening the
// parse of the project description text, by our own parser and, as an independent
// yardstick, by QXmlStreamReader over the same text made into standard XML.
//
// After warm-up rounds, every round runs each operation once, what is compared side by
// side and in alternating order, so a slow spell of the machine hits both sides of a
// ratio alike. Each figure is printed as its median and its spread (lowest .. highest);
// ratios are taken within each round. Every result is checked: the image compresses and
// uncompresses to the same bytes, every saved file opens (0) into the configuration that
// was saved, and both parsers find the same elements. A failed check ends with exit code 1.

#include "bench/description_parsers.h"
#include "bench/sample_series.h"
#include "model/controller_configuration_class.h"
#include "model/xml/xml_element_class.h"
#include "tests/support/config_file_builder.h"
#include "tests/support/configuration_fixture.h"
#include "tests/support/scripted_interaction.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <initializer_list>
#include <memory>

namespace {

constexpr int WarmUpRounds = 3;
constexpr int Rounds = 21;
constexpr double SaveTarget = 1.30;  // save / qCompress
constexpr double OpenTarget = 1.50;  // open / (qUncompress + QXmlStreamReader parse)

int failedChecks = 0;

void check(bool ok, int round, const char *what)
{
    if (ok)
        return;
    ++failedChecks;
    if (round < 0)
        std::fprintf(stderr, "warm-up round %d: %s\n", round + WarmUpRounds + 1, what);
    else
        std::fprintf(stderr, "round %d: %s\n", round + 1, what);
}

// Runs the operations in the given order, or in the reverse one.
void runInOrder(bool forward, std::initializer_list<std::function<void()>> operations)
{
    if (forward) {
        for (const auto &operation : operations)
            operation();
    } else {
        for (auto operation = std::rbegin(operations); operation != std::rend(operations); ++operation)
            (*operation)();
    }
}

// The last box shown since `before` boxes had been shown: one, with the information icon.
bool oneInformationBox(const scripted_interaction &ui, qsizetype before)
{
    return ui.messages.size() == before + 1 && ui.messages.last().icon == message_icon::Information;
}

// Non-empty descriptions of a configuration, each one line of the project description.
int descriptionCount(const controller_configuration_class &c)
{
    int count = 0;
    auto add = [&count](const auto &texts) {
        for (const QString &text : texts)
            count += text.isEmpty() ? 0 : 1;
    };
    add(c.sceneDescs);
    add(c.maskDescs);
    add(c.programDescs);
    add(c.eventDescs);
    add(c.stateDescs);
    add(c.inputDescs);
    add(c.rcuKeyDescs);
    return count;
}

// Lines of the project description besides the descriptions that stand as elements
// without child elements: contents, date, release, target, library, devices, groups.
constexpr int FixedLeafCount = 7;

struct figures {
    sample_series compress, save, uncompress, parseOurs, parseStandard, open;
    sample_series saveRatio, openRatioOurs, openRatioStandard, oursRatioStandard;
};

// The target of a ratio and whether its median meets it.
void printTarget(const sample_series &ratio, double target)
{
    std::printf("    target %.2f: %s\n", target, ratio.median() <= target ? "met" : "NOT met");
}

void printFigures(const figures &f)
{
    f.compress.print("qCompress(image, 9)", "ms");
    f.save.print("save (write_confDataToFile)", "ms");
    f.saveRatio.print("save / qCompress", "");
    printTarget(f.saveRatio, SaveTarget);
    f.uncompress.print("qUncompress(image)", "ms");
    f.parseOurs.print("parse of the description text, ours", "ms");
    f.parseStandard.print("parse of the same text, QXmlStreamReader", "ms");
    f.oursRatioStandard.print("ours / QXmlStreamReader", "");
    f.open.print("open (read_confDataFromFile)", "ms");
    f.openRatioOurs.print("open / (qUncompress + our parse)", "");
    f.openRatioStandard.print("open / (qUncompress + QXmlStreamReader parse)", "");
    printTarget(f.openRatioStandard, OpenTarget);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    scripted_interaction ui;  // every box answered and recorded
    QTemporaryDir folder;

    controller_configuration_class source;
    populateConfiguration(source, true);
    // A first save packs the stores, so the image is from then on exactly what every save
    // writes, and gives the description text that both parsers read.
    const QString firstFile = folder.filePath(QStringLiteral("first.cfg625"));
    source.write_confDataToFile(firstFile, false);
    const QByteArray image(reinterpret_cast<const char *>(source.confData), int(image_layout::ImageSize));
    const configuration_snapshot saved = configuration_snapshot::of(source);
    const QByteArray compressed = qCompress(image, 9);
    const QByteArray file = readFileBytes(firstFile);
    const QByteArray xml = file.mid(infoXmlOffset(file));
    const QByteArray standardXml = description_parsers::asStandardXml(xml);
    const int leafCount = descriptionCount(source) + FixedLeafCount;

    controller_configuration_class target;
    figures f;
    for (int round = -WarmUpRounds; round < Rounds; ++round) {
        const bool forward = (round + WarmUpRounds) % 2 == 0;
        const QString path = folder.filePath(QStringLiteral("round%1.cfg625").arg(round + WarmUpRounds));
        QByteArray compressedNow, uncompressedNow;
        std::unique_ptr<xml_element_class> ours;
        std::vector<description_parsers::standard_leaf> standard;
        QString standardError;
        int opened = -1;
        double compressMs = 0, saveMs = 0, uncompressMs = 0, oursMs = 0, standardMs = 0, openMs = 0;

        const qsizetype boxesBeforeSave = ui.messages.size();
        runInOrder(forward, {
            [&] { compressMs = wallMs([&] { compressedNow = qCompress(image, 9); }); },
            [&] { saveMs = wallMs([&] { source.write_confDataToFile(path, false); }); },
        });
        check(compressedNow == compressed, round, "qCompress gave other bytes");
        check(oneInformationBox(ui, boxesBeforeSave), round, "the save did not report success");

        // A cleared configuration to open into: only what the file brings can pass the check.
        target.ClearConfig(controller_configuration_class::ClearEverything);
        const qsizetype boxesBeforeOpen = ui.messages.size();
        runInOrder(forward, {
            [&] { uncompressMs = wallMs([&] { uncompressedNow = qUncompress(compressed); }); },
            [&] { oursMs = wallMs([&] { ours = description_parsers::parseOurs(xml); }); },
            [&] {
                standardMs = wallMs([&] { standard = description_parsers::parseStandard(standardXml, &standardError); });
            },
            [&] { openMs = wallMs([&] { opened = target.read_confDataFromFile(path); }); },
        });
        check(uncompressedNow == image, round, "qUncompress did not give the image back");
        check(ours->isValid(), round, "our parser found errors in the description text");
        check(standardError.isEmpty(), round, qPrintable(QStringLiteral("QXmlStreamReader: ") + standardError));
        const QStringList oursFound = description_parsers::leafLines(*ours);
        check(oursFound.size() == leafCount, round, "our parser did not find every description");
        check(oursFound == description_parsers::leafLines(standard), round, "the two parsers read different elements");
        check(opened == 0, round, "the saved file did not open");
        check(oneInformationBox(ui, boxesBeforeOpen), round, "the open did not report success alone");
        check(configuration_snapshot::of(target) == saved, round, "the opened configuration is not the saved one");
        QFile::remove(path);

        if (round < 0)
            continue;
        f.compress.add(compressMs);
        f.save.add(saveMs);
        f.uncompress.add(uncompressMs);
        f.parseOurs.add(oursMs);
        f.parseStandard.add(standardMs);
        f.open.add(openMs);
        f.saveRatio.add(saveMs / compressMs);
        f.openRatioOurs.add(openMs / (uncompressMs + oursMs));
        f.openRatioStandard.add(openMs / (uncompressMs + standardMs));
        f.oursRatioStandard.add(oursMs / standardMs);
    }

    std::printf("Configuration file, fully populated: %lld bytes (%lld of them the description text, %d "
                "elements), image compressed to %lld bytes\n",
                qlonglong(file.size()), qlonglong(xml.size()), leafCount, qlonglong(compressed.size()));
    std::printf("%d warm-up rounds, then %d rounds, each running every operation once, in alternating order; "
                "median [lowest .. highest], ratios within a round\n",
                WarmUpRounds, Rounds);
    printFigures(f);
    if (failedChecks != 0) {
        std::fprintf(stderr, "%d checks failed\n", failedChecks);
        return 1;
    }
    std::printf("checked in every round: compressed and uncompressed bytes, the save's and the open's "
                "outcome, the opened configuration against the saved one, both parsers' elements\n");
    return 0;
}
