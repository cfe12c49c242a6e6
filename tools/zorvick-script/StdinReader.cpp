#include "StdinReader.h"

#include <iostream>
#include <string>

void StdinReader::run() {
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        emit lineRead(QString::fromStdString(line));
    }
    emit finishedInput();
}
