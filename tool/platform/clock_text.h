#pragma once
// The date and time as the windows' clocks show them, in the user's regional
// patterns: the ones the main window's status bar names.

#include <QString>

class QDate;
class QTime;
class QDateTime;

namespace dorvane {

QString ShortDateText(const QDate& date);
QString LongTimeText(const QTime& time);
QString DateTimeText(const QDateTime& moment);

}  // namespace dorvane
