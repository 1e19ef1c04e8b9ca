#include "startup/AboutWindow.h"

#include "core/Product.h"
#include "roll/Pictures.h"

AboutWindow::AboutWindow() {
    SetTitle("About");
    SetContentSize(322, 235);
    SetResizable(false);
    SetClosable(true);
    SetMinimizable(false);
    SetMaximizable(false);
    CenterOnScreen();
    SetVisibleAtCreation(true);

    Add(Canvas1, 105, 29, 112, 106);
    Canvas1.SetBackdrop(groupclipartusergroup43());

    // Centred under the logo, which stands in the middle of their width.
    Label* const labels[] = {&StaticText1, &StaticText2, &StaticText3};
    const int tops[] = {138, 161, 185};
    for (int i = 0; i < 3; ++i) {
        Add(*labels[i], 62, tops[i], 197, 20);
        labels[i]->SetTextFont("Lucida Grande");
        labels[i]->SetTextSize(i == 2 ? 10 : 12);
        labels[i]->SetAlignment(Align::Center);
    }
    StaticText1.SetBold(true);
    StaticText2.SetText(std::string("v").append(Product::kVersion));
    StaticText3.SetText(Product::kCopyright);
}

void AboutWindow::Event_Open() {
    StaticText1.SetText(Product::kName);
    SetTitle("About Rollkeep");
}
