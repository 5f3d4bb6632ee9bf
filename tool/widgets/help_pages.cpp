#include "widgets/help_pages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocumentFragment>
#include <algorithm>

#include "base/localised_text.h"

namespace dorvane {

namespace {

constexpr const char* kFallbackLanguage = "en";

QString ReadUtf8(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll());
}

}  // namespace

HelpPages::HelpPages(QString root) : m_root(std::move(root)) {}

QString HelpPages::LanguageFolder(int languageOffset) {
  switch (languageOffset) {
    case kFrenchOffset: return QStringLiteral("fr");
    case kSpanishOffset: return QStringLiteral("es");
    default: return QStringLiteral("en");
  }
}

QString HelpPages::PageFile(const QString& page, const QString& language) const {
  for (const QString& folder : {language, QString(kFallbackLanguage)}) {
    QString path = m_root + '/' + folder + '/' + page + ".html";
    if (QFileInfo::exists(path)) return path;
  }
  return {};
}

QStringList HelpPages::PageNames(const QString& language) const {
  QStringList names;
  for (const QString& folder : {QString(kFallbackLanguage), language}) {
    for (const QString& file : QDir(m_root + '/' + folder).entryList({"*.html"}, QDir::Files)) {
      QString name = QFileInfo(file).completeBaseName();
      if (!names.contains(name)) names.append(name);
    }
  }
  return names;
}

QString HelpPages::Html(const QString& page, const QString& language) const {
  QString path = PageFile(page, language);
  return path.isEmpty() ? QString() : ReadUtf8(path);
}

QString HelpPages::TitleOf(const QString& html, const QString& page) {
  // The page's heading, shorter than its <title>, which names the help too.
  static const QRegularExpression patterns[] = {
      QRegularExpression("<h1[^>]*>(.*?)</h1>", QRegularExpression::CaseInsensitiveOption |
                                                    QRegularExpression::DotMatchesEverythingOption),
      QRegularExpression("<title[^>]*>(.*?)</title>", QRegularExpression::CaseInsensitiveOption |
                                                          QRegularExpression::DotMatchesEverythingOption)};
  for (const QRegularExpression& pattern : patterns) {
    QRegularExpressionMatch match = pattern.match(html);
    if (!match.hasMatch()) continue;
    QString text = QTextDocumentFragment::fromHtml(match.captured(1)).toPlainText().simplified();
    if (!text.isEmpty()) return text;
  }
  return page;
}

QList<HelpPages::Entry> HelpPages::Contents(const QString& language) const {
  QStringList remaining = PageNames(language);
  QStringList ordered;
  if (remaining.removeOne(kStartPage)) ordered.append(kStartPage);
  static const QRegularExpression link(R"(href\s*=\s*"([A-Za-z0-9_\-]+)\.html)");
  for (const QRegularExpressionMatch& match : link.globalMatch(Html(kStartPage, language))) {
    if (remaining.removeOne(match.captured(1))) ordered.append(match.captured(1));
  }
  remaining.sort();
  ordered.append(remaining);
  QList<Entry> entries;
  for (const QString& page : ordered) entries.append({page, TitleOf(Html(page, language), page)});
  return entries;
}

QString HelpPages::PlainText(const QString& page, const QString& language) const {
  QString key = language + '/' + page;
  auto it = m_plainTexts.find(key);
  if (it == m_plainTexts.end()) {
    it = m_plainTexts.insert(key, QTextDocumentFragment::fromHtml(Html(page, language)).toPlainText());
  }
  return *it;
}

QList<HelpPages::Hit> HelpPages::Search(const QString& words, const QString& language) const {
  QStringList terms = words.simplified().split(' ', Qt::SkipEmptyParts);
  QList<Hit> hits;
  if (terms.isEmpty()) return hits;
  for (const QString& page : PageNames(language)) {
    QString text = PlainText(page, language);
    int count = 0;
    bool all = true;
    for (const QString& term : terms) {
      int found = text.count(term, Qt::CaseInsensitive);
      if (found == 0) all = false;
      count += found;
    }
    if (all) hits.append({page, TitleOf(Html(page, language), page), count});
  }
  std::stable_sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) { return a.count > b.count; });
  return hits;
}

}  // namespace dorvane
