#pragma once

#include "platform/Printing.h"

#include <memory>
#include <string>
#include <vector>

// What was drawn on a surface, page by page. It outlives the surface, which
// the code under test releases when its print job ends.
struct Recording {
    struct Text {
        int page;
        std::string text;
        double x;
        double y;
        bool bold;
        double size;  // 0 while no size was set
    };

    std::vector<Text> texts;
    int pages = 1;
};

// A drawing surface that records what is drawn into a recording the test keeps.
class RecordingGraphics : public Graphics {
public:
    using Text = Recording::Text;

    explicit RecordingGraphics(std::shared_ptr<Recording> into = std::make_shared<Recording>())
        : recording(std::move(into)) {}

    void SetBold(bool bold) override { bold_ = bold; }
    void SetTextSize(double points) override { size_ = points; }
    void DrawString(std::string_view text, double x, double y, double, bool) override {
        recording->texts.push_back({recording->pages, std::string(text), x, y, bold_, size_});
    }
    void NextPage() override { ++recording->pages; }

    std::shared_ptr<Recording> recording;

private:
    bool bold_ = false;
    double size_ = 0;
};
