#pragma once

#include "core/platform/Help.h"

#include <QList>

// No viewer; records the requests so that tests can check which topic was asked for.
class NullHelp : public Help {
public:
    void showContents() override { requests.append(Contents); }
    void showIndex() override { requests.append(Index); }
    void showSearch() override { requests.append(Search); }
    void showTopic(int topic) override { requests.append(topic); }

    static constexpr int Contents = -100;
    static constexpr int Index = -101;
    static constexpr int Search = -102;
    QList<int> requests;
};
