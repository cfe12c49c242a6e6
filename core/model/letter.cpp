#include "core/model/letter.h"

#include <QJsonObject>

QJsonObject TLetter::toJson() const {
    return QJsonObject{
        {"Unread", Unread}, {"From", From}, {"Date", Date}, {"Text", Text}, {"Subject", Subject}};
}
