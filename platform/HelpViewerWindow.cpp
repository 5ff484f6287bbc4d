#include "platform/HelpViewerWindow.h"

#include "platform/StringTable.h"
#include "resources/ResourceIds.h"

#include <QAction>
#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QLocale>
#include <QRegularExpression>
#include <QTextBrowser>
#include <vector>

namespace {

constexpr QSize WindowSize(480, 600);

// Whether the language a page names in <html lang="..."> is written from right to left.
bool IsRightToLeftPage(const QString& html) {
    static const QRegularExpression language(QStringLiteral(R"re(<html\b[^>]*\blang="([^"]+)")re"),
                                             QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = language.match(html);
    return match.hasMatch() && QLocale(match.captured(1)).textDirection() == Qt::RightToLeft;
}

// The start and end of each cell of a table row in the page's text.
using RowCells = std::vector<std::pair<qsizetype, qsizetype>>;

// The row's text with its cells in the opposite order; the text between two cells keeps its place.
QString MirroredRow(const QString& html, const RowCells& cells) {
    QString mirrored;
    for (std::size_t index = 0; index < cells.size(); ++index) {
        const auto [start, end] = cells[cells.size() - 1 - index];
        mirrored += html.mid(start, end - start);
        if (index + 1 < cells.size()) {
            mirrored += html.mid(cells[index].second, cells[index + 1].first - cells[index].second);
        }
    }
    return mirrored;
}

// Puts each table row's cells in the opposite order, and each outermost table against the right
// edge: Qt's rich text lays tables out from the left whatever the page's direction.
QString MirrorTables(QString html) {
    static const QRegularExpression tag(QStringLiteral(R"(<(/?)(table|tr|td|th)\b[^>]*>)"),
                                        QRegularExpression::CaseInsensitiveOption);
    std::vector<RowCells> rows;       // the rows open at this point, innermost last
    std::vector<qsizetype> openCells; // where the open cell of each of them starts, or -1
    std::vector<qsizetype> outermostTables;
    for (const QRegularExpressionMatch& match : tag.globalMatch(html)) {
        const bool opening = match.captured(1).isEmpty();
        const QString name = match.captured(2).toLower();
        if (name == QLatin1String("table")) {
            if (opening && rows.empty() && !match.captured().contains(QLatin1String("align="))) {
                outermostTables.push_back(match.capturedStart() + 6); // after "<table"
            }
        } else if (name == QLatin1String("tr") && opening) {
            rows.emplace_back();
            openCells.push_back(-1);
        } else if (name == QLatin1String("tr") && !rows.empty()) {
            // A row's mirror is as long as the row: what lies after it keeps its place.
            if (!rows.back().empty()) {
                html.replace(rows.back().front().first,
                             rows.back().back().second - rows.back().front().first,
                             MirroredRow(html, rows.back()));
            }
            rows.pop_back();
            openCells.pop_back();
        } else if (!rows.empty() && opening) {
            openCells.back() = match.capturedStart();
        } else if (!rows.empty() && openCells.back() >= 0) {
            rows.back().emplace_back(openCells.back(), match.capturedEnd());
            openCells.back() = -1;
        }
    }
    for (auto table = outermostTables.rbegin(); table != outermostTables.rend(); ++table) {
        html.insert(*table, QStringLiteral(" align=\"right\""));
    }
    return html;
}

// A page in a right-to-left language as a browser shows it: its text reads from the right, its
// tables too.
QString RightToLeftPage(const QString& html) {
    static const QRegularExpression body(QStringLiteral(R"(<body\b)"),
                                         QRegularExpression::CaseInsensitiveOption);
    QString page = MirrorTables(html);
    const QRegularExpressionMatch match = body.match(page);
    if (match.hasMatch()) {
        page.insert(match.capturedEnd(), QStringLiteral(" dir=\"rtl\""));
    }
    return page;
}

// Shows the pages of right-to-left languages from the right, as their language says, whether or
// not they say it themselves.
class HelpBrowser : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl& name) override {
        QVariant resource = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::HtmlResource || resource.typeId() != QMetaType::QByteArray) {
            return resource;
        }
        const QString html = QString::fromUtf8(resource.toByteArray());
        return IsRightToLeftPage(html) ? QVariant(RightToLeftPage(html)) : resource;
    }
};

} // namespace

HelpViewerWindow::HelpViewerWindow(const QUrl& page)
    : Browser(new HelpBrowser(this)) {
    Browser->setOpenExternalLinks(true);
    setCentralWidget(Browser);
    resize(WindowSize);

    auto* closeAction = new QAction(this);
    closeAction->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    connect(closeAction, &QAction::triggered, this, &QWidget::close);
    addAction(closeAction);

    connect(Browser, &QTextBrowser::sourceChanged, this, &HelpViewerWindow::ShowTitle);
    Browser->setSource(page);
    ShowTitle();
}

bool HelpViewerWindow::TakeRequests(QDBusConnection bus) {
    const QString busName = QString::fromLatin1(HelpViewerBusName);
    // The object is there before the name, so that no call to the name misses it.
    if (!bus.registerObject(QString::fromLatin1(HelpViewerObjectPath), busName, this,
                            QDBusConnection::ExportScriptableSlots)) {
        return true;
    }
    // In the queue behind a viewer that is stuck or leaving, this one takes the name after it.
    const QDBusReply<QDBusConnectionInterface::RegisterServiceReply> taken =
        bus.interface()->registerService(busName, QDBusConnectionInterface::QueueService,
                                         QDBusConnectionInterface::DontAllowReplacement);
    if (taken.value() != QDBusConnectionInterface::ServiceQueued) {
        return true;
    }
    // Another viewer took the name first, maybe started by the same quick presses of F1. Its
    // answer is awaited with the events running, so that it may even run in this very process.
    const QDBusMessage answer =
        bus.call(ShowHelpPageCall(Browser->source().toString(QUrl::FullyEncoded)),
                 QDBus::BlockWithGui, HelpViewerAnswerMilliseconds);
    return answer.type() != QDBusMessage::ReplyMessage;
}

void HelpViewerWindow::ShowPage(const QString& page) {
    const QUrl url(page);
    if (url.adjusted(QUrl::RemoveFragment) != Browser->source().adjusted(QUrl::RemoveFragment)) {
        Browser->setSource(url);
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void HelpViewerWindow::ShowTitle() {
    const QString pageTitle = Browser->documentTitle();
    setWindowTitle(pageTitle.isEmpty() ? tr("%1 Help").arg(LoadResourceString(ProductNameString))
                                       : pageTitle);
}
