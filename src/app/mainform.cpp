#include "app/mainform.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QIcon>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "app/accessibility.h"
#include "app/application.h"
#include "app/codebox.h"
#include "app/fixedsize.h"
#include "app/messages.h"
#include "model/layout.h"
#include "model/text.h"
#include "panels/fonts.h"
#include "panels/panelstack.h"
#include "panels/picture.h"
#include "tree/librarytree.h"

using namespace Qt::StringLiterals;

namespace {

// The window's fixed texts and places (twips, relative to the client area).
constexpr std::u16string_view kCaption =
    u"Pinwright----求建议版，有任何建议或意见都可以邮件或QQ联系，联系方式在主页，谢谢";
constexpr std::u16string_view kAppTitle = u"Pinwright";
constexpr int kClientWidth = 10710;
constexpr int kClientHeight = 7575;

constexpr Rect kTreeRect{120, 240, 2415, 5055};
constexpr Rect kShowcodeRect{120, 5400, 8175, 2055};
constexpr Rect kBuildcodeRect{8760, 5520, 1455, 615};
constexpr Rect kCopycodeRect{8760, 6240, 1455, 615};
constexpr Rect kTipsRect{8400, 7080, 2175, 375};

constexpr std::u16string_view kInitialCode =
    u"Hello World!!!\r\n"
    u"\r\n"
    u"暂时只写了ADC的前十个函数，后面的其它都还没加。。。\r\n"
    u"\r\n"
    u"发出来是为了看看需不需要继续写下去，我是学生，虽然我时间比较多，但也不能这样浪费时间\r\n"
    u"\r\n"
    u"如果大家需要，才有动力继续写下去。。。\r\n"
    u"\r\n"
    u"没任何技术含量，但那么多函数，你懂的，很麻烦。。。\r\n";

// What a screen reader calls the controls that show no text of their own.
constexpr std::u16string_view kTreeName = u"库函数";
constexpr std::u16string_view kShowcodeName = u"代码";

constexpr std::u16string_view kBuildcodeText = u"生成代码";
constexpr std::u16string_view kCopycodeText = u"复制代码";
constexpr std::u16string_view kTipsInitial = u"点击我,有惊喜";
constexpr std::u16string_view kCopied = u"复制代码成功";
constexpr std::u16string_view kExitPrompt = u"是否退出?";
constexpr std::u16string_view kHelpText = u"请先选择好函数的配置，然后点击生成代码，左边就会有代码"
                                          u"生成，然后可以点击复制，粘贴到你的IDE里用啦";
constexpr std::u16string_view kHelpTitle = u"惊喜就是Help";

constexpr int kIconSizes[] = {16, 32, 48, 64};

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : kIconSizes)
        icon.addPixmap(
            QPixmap::fromImage(readImage(u":/icons/%1x%1/pinwright.png"_s.arg(size), "png")));
    return icon;
}

} // namespace

ClickLabel::ClickLabel(QWidget *parent)
    : QLabel(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    m_pressed = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        Q_EMIT clicked();
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        event->accept();
        if (!event->isAutoRepeat())
            click();
        return;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

MainForm::MainForm(MessageBoxes *messages, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
    Accessibility::install();
    setMessageBoxes(messages);
    setObjectName(u"MainForm"_s);
    setWindowTitle(qs(kCaption));
    setWindowIcon(applicationIcon());
    setFont(Fonts::windowDefault());
    FixedSizeWindow::keep(this, QSize(pixels(kClientWidth), pixels(kClientHeight)));

    // The tree comes first, so it is first in the tab order and has the focus at start.
    m_tree = new LibraryTree(this);
    m_tree->setObjectName(u"TreeView"_s);
    m_tree->setAccessibleName(qs(kTreeName));
    m_tree->setGeometry(toPixels(kTreeRect));

    m_panels = std::make_unique<PanelStack>(this, m_tree);
    m_adc = std::make_unique<ADC>(*m_panels);

    m_showcode = new CodeBox(this);
    m_showcode->setObjectName(u"showcode"_s);
    m_showcode->setAccessibleName(qs(kShowcodeName));
    m_showcode->setGeometry(toPixels(kShowcodeRect));
    m_showcode->setText(qs(kInitialCode));

    m_buildcode = new QPushButton(qs(kBuildcodeText), this);
    m_buildcode->setObjectName(u"buildcode"_s);
    m_buildcode->setGeometry(toPixels(kBuildcodeRect));

    m_copycode = new QPushButton(qs(kCopycodeText), this);
    m_copycode->setObjectName(u"copycode"_s);
    m_copycode->setGeometry(toPixels(kCopycodeRect));

    m_tips = new ClickLabel(this);
    m_tips->setObjectName(u"Tips"_s);
    m_tips->setTextFormat(Qt::PlainText);
    m_tips->setText(qs(kTipsInitial));
    m_tips->setFont(Fonts::song(15.75, true));
    m_tips->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_tips->setGeometry(toPixels(kTipsRect));

    connect(m_buildcode, &QPushButton::clicked, this, &MainForm::buildcode_Click);
    connect(m_copycode, &QPushButton::clicked, this, &MainForm::copycode_Click);
    connect(m_tips, &ClickLabel::clicked, this, &MainForm::Tips_Click);
    connect(m_tree, &LibraryTree::nodeClicked, this, &MainForm::TreeView_NodeClick);
    // The desktop asks before it ends the session; there is nothing to save, so the answer is
    // yes, and the window closes without asking when the session then ends.
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, [this] { m_sessionEnding = true; });

    Form_Load();
}

MainForm::~MainForm()
{
    hide(); // while the window is still whole, as hiding may wait for a frame
}

void MainForm::setVisible(bool visible)
{
    if (!visible && isVisible())
        Pinwright::finishFrame(this);
    QWidget::setVisible(visible);
}

void MainForm::setMessageBoxes(MessageBoxes *messages)
{
    if (!messages) {
        if (!m_ownMessages)
            m_ownMessages = std::make_unique<QtMessageBoxes>();
        messages = m_ownMessages.get();
    }
    m_messages = messages;
}

void MainForm::Form_Load()
{
    m_adc->SelectedKey = qs(kAboutKey);
    m_panels->bringToFront(m_adc->SelectedKey);
    BuildTree::FillLibraryTree(*m_tree);
    m_tree->setFocus();
}

bool MainForm::Form_Unload()
{
    const MessageRequest request{qs(kExitPrompt), qs(kAppTitle), QMessageBox::Information,
                                 QMessageBox::Yes | QMessageBox::No};
    return m_messages->ask(this, request) == QMessageBox::Yes;
}

void MainForm::closeEvent(QCloseEvent *event)
{
    // The closes that end a session (log-off, shutdown) come from the application as it quits,
    // never from the window system, and the user has already confirmed them to the desktop.
    if ((m_sessionEnding && !event->spontaneous()) || Form_Unload())
        event->accept();
    else
        event->ignore();
}

void MainForm::buildcode_Click()
{
    m_adc->buildcode_Click(*this);
}

void MainForm::copycode_Click()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(m_showcode->textForClipboard());
    setTips(qs(kCopied));
}

void MainForm::Tips_Click()
{
    m_messages->ask(this, {qs(kHelpText), qs(kHelpTitle), QMessageBox::NoIcon, QMessageBox::Ok});
}

void MainForm::TreeView_NodeClick(const QString &key)
{
    // Nodes without a panel change nothing.
    if (!findPanel(key))
        return;
    m_panels->bringToFront(key);
    m_adc->SelectedKey = key;
}

void MainForm::setShowcode(const QString &text)
{
    m_showcode->setText(text);
}

void MainForm::setTips(const QString &caption)
{
    m_tips->setText(caption);
}
