// The fragments are C that compiles. The generators are driven through the generate command with
// every choice the panels offer: every combination of option buttons on the ten function panels
// and, on the ADC_Init panel, every combination of the items of its six lists. Each distinct
// fragment becomes the body of a function of its own, all in one translation unit, which the
// system's C compiler checks against adc_decls.h. Any diagnostic at all fails the test.
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <vector>

#include "codegen/adc.h"
#include "model/inittables.h"
#include "model/paneltables.h"

using namespace Qt::StringLiterals;

namespace {

class ChosenPanels final : public PanelState {
public:
    QSet<QString> selected;
    std::array<QString, 6> lists;

    bool isSelected(QStringView option) const override
    {
        return selected.contains(option.toString());
    }
    QString comboText(int index) const override
    {
        return index >= 0 && index < int(lists.size()) ? lists[std::size_t(index)] : QString();
    }
};

class CapturedCode final : public CodeWindow {
public:
    QString showcode;
    void setShowcode(const QString &text) override { showcode = text; }
    void setTips(const QString &) override {}
};

// Every way of selecting one option in each option group of the panel.
std::vector<QSet<QString>> optionChoices(const PanelSpec &panel)
{
    std::vector<QSet<QString>> choices(1);
    for (const GroupSpec &group : panel.groups) {
        if (group.options.empty())
            continue;
        std::vector<QSet<QString>> wider;
        for (const QSet<QString> &chosen : choices) {
            for (const OptionSpec &option : group.options) {
                wider.push_back(chosen);
                wider.back().insert(qs(option.name));
            }
        }
        choices = std::move(wider);
    }
    return choices;
}

// Distinct texts in the order first seen.
class Fragments {
public:
    void add(const QString &text)
    {
        if (!m_seen.contains(text)) {
            m_seen.insert(text);
            m_texts.append(text);
        }
    }
    const QStringList &texts() const { return m_texts; }

private:
    QSet<QString> m_seen;
    QStringList m_texts;
};

const QStringList kCompilerFlags = {
    u"-std=gnu99"_s,
    u"-fsyntax-only"_s,
    u"-Werror=implicit-function-declaration"_s,
    u"-Werror=incompatible-pointer-types"_s,
    u"-Werror=int-conversion"_s,
    u"-I"_s + QStringLiteral(PINWRIGHT_DECLS_DIR),
};

struct CompilerVerdict {
    bool clean = false; // exit status 0 and not a word of output
    QString report;
};

CompilerVerdict compile(const QString &path)
{
    QProcess cc;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"LC_ALL"_s, u"C"_s); // messages in English, quotes in ASCII
    cc.setProcessEnvironment(environment);
    cc.setProcessChannelMode(QProcess::MergedChannels);
    cc.start(QStringLiteral(PINWRIGHT_CC), QStringList(kCompilerFlags) << path);
    if (!cc.waitForStarted())
        return {false,
                u"cannot start %1: %2"_s.arg(QStringLiteral(PINWRIGHT_CC), cc.errorString())};
    cc.waitForFinished(-1);
    const QString output = QString::fromLocal8Bit(cc.readAll());
    const bool clean =
        cc.exitStatus() == QProcess::NormalExit && cc.exitCode() == 0 && output.isEmpty();
    return {clean, u"exit code %1\n%2"_s.arg(cc.exitCode()).arg(output.left(6000))};
}

QByteArray translationUnit(const QStringList &bodies)
{
    QByteArray source = "#include \"adc_decls.h\"\n";
    for (qsizetype i = 0; i < bodies.size(); ++i) {
        source += "\nvoid fragment_" + QByteArray::number(i) + "(void)\n{\n";
        source += bodies[i].toUtf8();
        if (!bodies[i].endsWith(u'\n'))
            source += '\n';
        source += "}\n";
    }
    return source;
}

bool isPlainAsciiLine(const QString &line)
{
    for (QChar c : line) {
        if (c.unicode() < 0x20 || c.unicode() > 0x7e)
            return false;
    }
    return !line.isEmpty() && !line.startsWith(u' ') && !line.endsWith(u' ');
}

} // namespace

class Tst_compile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyChoiceGivesItsOwnFragment();
    void singleCallFragmentsAreTwoOrThreeLines();
    void initFragmentsAreNineTerminatedLines();
    void fragmentsCompile();
    void compilerRejectsFaultyFragments_data();
    void compilerRejectsFaultyFragments();

private:
    QString writeSource(const QString &name, const QStringList &bodies);

    QTemporaryDir m_dir;
    Fragments m_singleCall;
    Fragments m_init;
};

void Tst_compile::initTestCase()
{
    QVERIFY2(!QStringLiteral(PINWRIGHT_CC).isEmpty(),
             "no C compiler was found when the build was configured; install gcc");
    QVERIFY(m_dir.isValid());

    ChosenPanels panels;
    ADC adc(panels);
    CapturedCode window;
    auto press = [&](QStringView key) {
        adc.SelectedKey = key.toString();
        window.showcode.clear();
        adc.buildcode_Click(window);
        return window.showcode;
    };

    for (const PanelEntry &entry : kPanelRegistry) {
        const PanelSpec &panel = *entry.panel;
        const QString key = qs(panel.key);
        if (key == u"ABOUT" || key == u"ADC" || key == u"ADC2")
            continue; // no code, or the lists as well (below)
        for (const QSet<QString> &choice : optionChoices(panel)) {
            panels.selected = choice;
            m_singleCall.add(press(key));
        }
    }

    // ADC_Init: every item of every list, with each of the ADC options.
    const PanelSpec &initPanel = *findPanel(u"ADC2")->panel;
    const auto &lists = InitTables::kLists;
    std::array<std::size_t, 6> item{};
    for (;;) {
        for (std::size_t i = 0; i < lists.size(); ++i)
            panels.lists[i] = qs(lists[i].items[item[i]].text);
        for (const QSet<QString> &choice : optionChoices(initPanel)) {
            panels.selected = choice;
            m_init.add(press(u"ADC2"));
        }
        std::size_t i = 0;
        while (i < lists.size() && ++item[i] == lists[i].items.size())
            item[i++] = 0;
        if (i == lists.size())
            break;
    }
}

void Tst_compile::everyChoiceGivesItsOwnFragment()
{
    // ADC1, ADC7 to ADC10: 2 each; ADC3: 1; ADC4, ADC5: 2 x 2; ADC6: 2 x 3 x 2.
    QCOMPARE(m_singleCall.texts().size(), 31);
    // 10 modes x 2 x 2 x 8 triggers x 2 alignments x 16 channel counts x 2 ADCs.
    QCOMPARE(m_init.texts().size(), 20480);
}

void Tst_compile::singleCallFragmentsAreTwoOrThreeLines()
{
    for (const QString &fragment : m_singleCall.texts()) {
        const QStringList lines = fragment.split(u"\r\n"_s);
        QVERIFY2(lines.size() == 2 || lines.size() == 3, qPrintable(fragment));
        for (const QString &line : lines)
            QVERIFY2(isPlainAsciiLine(line), qPrintable(fragment));
        QVERIFY2(lines.first().startsWith(u"/* "_s) && lines.first().endsWith(u"*/"_s),
                 qPrintable(fragment));
        QVERIFY2(lines.last().endsWith(u");"_s), qPrintable(fragment));
    }
}

void Tst_compile::initFragmentsAreNineTerminatedLines()
{
    for (const QString &fragment : m_init.texts()) {
        QVERIFY2(fragment.endsWith(u");\r\n"_s), qPrintable(fragment));
        QStringList lines = fragment.split(u"\r\n"_s);
        QVERIFY2(lines.takeLast().isEmpty(), qPrintable(fragment));
        QCOMPARE(lines.size(), 9);
        for (const QString &line : std::as_const(lines))
            QVERIFY2(isPlainAsciiLine(line), qPrintable(fragment));
        QCOMPARE(lines[0],
                 u"/* Initialize the ADCx according to the ADC_InitStructure members */"_s);
        QCOMPARE(lines[1], u"ADC_InitTypeDef ADC_InitStructure;"_s);
        for (qsizetype i = 2; i < 8; ++i) {
            QVERIFY2(lines[i].startsWith(u"ADC_InitStructure.ADC_"_s), qPrintable(lines[i]));
            QVERIFY2(lines[i].endsWith(u";"_s) && !lines[i].endsWith(u" = ;"_s),
                     qPrintable(lines[i]));
        }
        QVERIFY2(lines[8] == u"ADC_Init(ADC1,&ADC_InitStructure);"_s
                     || lines[8] == u"ADC_Init(ADC2,&ADC_InitStructure);"_s,
                 qPrintable(lines[8]));
    }
}

void Tst_compile::fragmentsCompile()
{
    const QString path = writeSource(u"fragments.c"_s, m_singleCall.texts() + m_init.texts());
    QVERIFY(!path.isEmpty());
    const CompilerVerdict verdict = compile(path);
    if (!verdict.clean)
        m_dir.setAutoRemove(false);
    QVERIFY2(verdict.clean,
             qPrintable(u"the compiler reports on %1:\n%2"_s.arg(path, verdict.report)));
}

// The header and the flags are strict enough to catch the faults a fragment could have.
void Tst_compile::compilerRejectsFaultyFragments_data()
{
    QTest::addColumn<QString>("body");
    QTest::newRow("undeclared function") << u"/* Calibrate */\r\nADC_Calibrate(ADC1);"_s;
    QTest::newRow("later release trigger name")
        << u"ADC_InitTypeDef ADC_InitStructure;\r\n"
           u"ADC_InitStructure.ADC_ExternalTrigConv = ADC_ExternalTrigConv_Ext_IT11_TIM8_TRGO;\r\n"_s;
    QTest::newRow("member left without a value")
        << u"ADC_InitTypeDef ADC_InitStructure;\r\nADC_InitStructure.ADC_Mode = ;\r\n"_s;
    QTest::newRow("structure passed by value")
        << u"ADC_InitTypeDef ADC_InitStructure;\r\nADC_Init(ADC1,ADC_InitStructure);\r\n"_s;
    QTest::newRow("ADC where the structure belongs") << u"ADC_StructInit(ADC1);"_s;
    QTest::newRow("ADC where the state belongs") << u"ADC_Cmd(ADC1,ADC2);"_s;
    QTest::newRow("status without the call")
        << u"FlagStatus Status;\r\nStatus = ADC_GetCalibrationStatus;"_s;
}

void Tst_compile::compilerRejectsFaultyFragments()
{
    QFETCH(QString, body);
    const QString path = writeSource(
        QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_') + u".c"_s, {body});
    QVERIFY(!path.isEmpty());
    QVERIFY2(!compile(path).clean, qPrintable(body));
}

QString Tst_compile::writeSource(const QString &name, const QStringList &bodies)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(translationUnit(bodies)) < 0)
        return {};
    return path;
}

QTEST_GUILESS_MAIN(Tst_compile)
#include "tst_compile.moc"
