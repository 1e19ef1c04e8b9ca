#pragma once

#include "platform/Printing.h"

#include <string>
#include <vector>

// A drawing surface that records what is drawn, page by page.
class RecordingGraphics : public Graphics {
public:
    struct Text {
        int page;
        std::string text;
        double x;
        double y;
        bool bold;
        double size;  // 0 while no size was set
    };

    void SetBold(bool bold) override { bold_ = bold; }
    void SetTextSize(double points) override { size_ = points; }
    void DrawString(std::string_view text, double x, double y, double, bool) override {
        texts.push_back({pages, std::string(text), x, y, bold_, size_});
    }
    void NextPage() override { ++pages; }

    std::vector<Text> texts;
    int pages = 1;

private:
    bool bold_ = false;
    double size_ = 0;
};
