#pragma once
// The help pages the program carries: one folder per language under a root
// (the compiled-in ":/help", or a folder laid out the same way), each page a
// file "<page>.html", the style sheet shared at the root. A page a language
// lacks is read in English, page by page, so a translation that is behind
// still leaves every window its help.

#include <QList>
#include <QMap>
#include <QString>

namespace dorvane {

class HelpPages {
 public:
  struct Entry {
    QString page;
    QString title;
  };
  struct Hit {
    QString page;
    QString title;
    int count = 0;  // how often the words occur on the page
  };

  explicit HelpPages(QString root = QStringLiteral(":/help"));

  // The language folder for the tool's language offset: "en", "es" or "fr".
  static QString LanguageFolder(int languageOffset);

  // The file that shows page in language (English where the language lacks
  // it); empty when no language has it.
  QString PageFile(const QString& page, const QString& language) const;

  // Every page in the order of the contents: the pages the start page links
  // to, as it lists them, then the others by name; the start page first.
  QList<Entry> Contents(const QString& language) const;

  // The pages holding every one of the words, whatever their case, most
  // hits first.
  QList<Hit> Search(const QString& words, const QString& language) const;

  // The text of page in language (English where the language lacks it);
  // empty when no language has it.
  QString Html(const QString& page, const QString& language) const;

  // The heading of a page's HTML (its <title> without one), or its name.
  static QString TitleOf(const QString& html, const QString& page);

  QString Root() const { return m_root; }

  static constexpr const char* kStartPage = "index";

 private:
  QStringList PageNames(const QString& language) const;
  QString PlainText(const QString& page, const QString& language) const;

  QString m_root;
  // Page texts are read once per language; the help is small.
  mutable QMap<QString, QString> m_plainTexts;
};

}  // namespace dorvane
