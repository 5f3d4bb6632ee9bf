#include "widgets/help_window.h"

#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "base/localised_text.h"
#include "widgets/apply_language.h"

namespace dorvane {

namespace {

QUrl UrlOf(const QString& path) {
  return path.startsWith(':') ? QUrl("qrc" + path) : QUrl::fromLocalFile(path);
}

QString PathOf(const QUrl& url) { return url.scheme() == "qrc" ? ':' + url.path() : url.toLocalFile(); }

// Links stay in the page's language folder; a page the language lacks is
// read in English there, so the next link is again in the language.
class HelpBrowser : public QTextBrowser {
 public:
  HelpBrowser(const HelpPages& pages, const QString& language, QWidget* parent)
      : QTextBrowser(parent), m_pages(pages), m_language(language) {}

  QVariant loadResource(int type, const QUrl& name) override {
    QString path = PathOf(name);
    if (type == QTextDocument::HtmlResource && !QFileInfo::exists(path)) {
      QString html = m_pages.Html(QFileInfo(path).completeBaseName(), m_language);
      if (!html.isEmpty()) return html;
    }
    return QTextBrowser::loadResource(type, name);
  }

 private:
  const HelpPages& m_pages;
  const QString& m_language;
};

QToolButton* ToolButton(QStyle::StandardPixmap icon, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setIcon(parent->style()->standardIcon(icon));
  button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  return button;
}

}  // namespace

HelpWindow::HelpWindow(HelpPages pages, QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_pages(std::move(pages)),
      m_browser(new HelpBrowser(m_pages, m_language, this)),
      m_tabs(new QTabWidget(this)),
      m_contents(new QListWidget(this)),
      m_searchBox(new QLineEdit(this)),
      m_hits(new QListWidget(this)),
      m_back(ToolButton(QStyle::SP_ArrowBack, this)),
      m_forward(ToolButton(QStyle::SP_ArrowForward, this)),
      m_home(ToolButton(QStyle::SP_DirHomeIcon, this)) {
  setObjectName("frmHelp");
  m_browser->setObjectName("txtHelpPage");
  m_contents->setObjectName("lstHelpContents");
  m_searchBox->setObjectName("txtHelpSearch");
  m_hits->setObjectName("lstHelpHits");
  m_back->setObjectName("cmdHelpBack");
  m_forward->setObjectName("cmdHelpForward");
  m_home->setObjectName("cmdHelpHome");
  m_browser->setOpenExternalLinks(true);
  // The pages' own link to the style sheet is for browsers; Qt's rich text
  // takes it as the document's default.
  if (QFile css(m_pages.Root() + "/style.css"); css.open(QIODevice::ReadOnly)) {
    m_browser->document()->setDefaultStyleSheet(QString::fromUtf8(css.readAll()));
  }

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(m_back);
  buttons->addWidget(m_forward);
  buttons->addWidget(m_home);
  buttons->addStretch();

  auto* searchPane = new QWidget(this);
  auto* searchLayout = new QVBoxLayout(searchPane);
  searchLayout->setContentsMargins(0, 0, 0, 0);
  searchLayout->addWidget(m_searchBox);
  searchLayout->addWidget(m_hits);
  m_searchBox->setClearButtonEnabled(true);
  m_tabs->addTab(m_contents, QString());
  m_tabs->addTab(searchPane, QString());

  auto* splitter = new QSplitter(this);
  splitter->addWidget(m_tabs);
  splitter->addWidget(m_browser);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({300, 700});

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(splitter);
  resize(1000, 680);

  connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
  connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
  connect(m_home, &QToolButton::clicked, this, [this] { Open(HelpPages::kStartPage); });
  connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
  connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
  auto openItem = [this](QListWidgetItem* item) {
    if (item) Open(item->data(Qt::UserRole).toString());
  };
  connect(m_contents, &QListWidget::itemActivated, this, openItem);
  connect(m_contents, &QListWidget::itemClicked, this, openItem);
  connect(m_hits, &QListWidget::itemClicked, this, [this, openItem](QListWidgetItem* item) {
    openItem(item);
    // The first place the words occur, so the installer sees why the page came up.
    QString first = m_searchBox->text().simplified().section(' ', 0, 0);
    if (!first.isEmpty()) m_browser->find(first);
  });
  connect(m_hits, &QListWidget::itemActivated, this, openItem);
  connect(m_searchBox, &QLineEdit::textChanged, this, &HelpWindow::ShowHits);
  // The contents follow the page, however it was reached (a link, back).
  connect(m_browser, &QTextBrowser::sourceChanged, this, [this] {
    QString page = CurrentPage();
    for (int row = 0; row < m_contents->count(); ++row) {
      if (m_contents->item(row)->data(Qt::UserRole).toString() == page) m_contents->setCurrentRow(row);
    }
  });
  m_back->setEnabled(false);
  m_forward->setEnabled(false);
}

void HelpWindow::SetLanguage(const QString& language) {
  if (language == m_language) return;
  m_language = language;
  m_contents->clear();
  for (const HelpPages::Entry& entry : m_pages.Contents(language)) {
    auto* item = new QListWidgetItem(entry.title, m_contents);
    item->setData(Qt::UserRole, entry.page);
    item->setToolTip(entry.title);
  }
  Retitle();
  ShowHits();
  m_browser->clearHistory();
}

void HelpWindow::Retitle() {
  setWindowTitle(WindowText(kHelpTitleText));
  m_tabs->setTabText(0, WindowText(kHelpContentsText));
  m_tabs->setTabText(1, WindowText(kHelpSearchText));
  m_searchBox->setPlaceholderText(WindowText(kHelpSearchText));
  m_back->setText(WindowText(kHelpBackText));
  m_forward->setText(WindowText(kHelpForwardText));
  m_home->setText(WindowText(kHelpStartPageText));
}

void HelpWindow::ShowHits() {
  m_hits->clear();
  if (m_searchBox->text().trimmed().isEmpty()) return;
  const QList<HelpPages::Hit> hits = m_pages.Search(m_searchBox->text(), m_language);
  for (const HelpPages::Hit& hit : hits) {
    auto* item = new QListWidgetItem(hit.title, m_hits);
    item->setData(Qt::UserRole, hit.page);
  }
  if (hits.isEmpty()) {
    auto* item = new QListWidgetItem(WindowText(kHelpNoHitsText), m_hits);
    item->setFlags(Qt::NoItemFlags);
  }
}

bool HelpWindow::Open(const QString& page) {
  QString language = HelpPages::LanguageFolder(LanguageOffset.load());
  if (m_pages.PageFile(page, language).isEmpty()) return false;
  SetLanguage(language);
  m_browser->setSource(UrlOf(m_pages.Root() + '/' + language + '/' + page + ".html"));
  return true;
}

QString HelpWindow::CurrentPage() const {
  return QFileInfo(PathOf(m_browser->source())).completeBaseName();
}

QString HelpWindow::CurrentFile() const { return m_pages.PageFile(CurrentPage(), m_language); }

}  // namespace dorvane
