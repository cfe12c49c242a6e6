#pragma once

// The help viewer as the game calls it.
class Help {
public:
    virtual ~Help() = default;
    virtual void showContents() = 0;
    virtual void showIndex() = 0;
    virtual void showSearch() = 0;
    virtual void showTopic(int topic) = 0;
};
