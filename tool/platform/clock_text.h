#pragma once
// The date and time as the windows' clocks show them, in the user's regional
// format.

#include <QString>

class QDate;
class QTime;
class QDateTime;

namespace dorvane {

QString ShortDateText(const QDate& date);
// The long time format without the time zone, which no clock label has room
// for.
QString LongTimeText(const QTime& time);
QString DateTimeText(const QDateTime& moment);

}  // namespace dorvane
