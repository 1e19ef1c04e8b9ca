#include "startup/newVersionWindow.h"

#include "core/Product.h"
#include "platform/Dialogs.h"
#include "roll/Pictures.h"

newVersionWindow::newVersionWindow() {
    SetTitle("");
    SetContentSize(598, 363);
    SetResizable(false);
    SetClosable(true);
    SetMinimizable(true);
    SetMaximizable(false);
    SetMovableModal(true);
    CenterOnScreen();

    Add(StaticText1, 102, 14, 312, 25);
    StaticText1.SetTextFont("Verdana");
    StaticText1.SetTextSize(12);
    StaticText1.SetBold(true);

    Add(PushButton1, 438, 323, 140, 20);
    PushButton1.SetTextFont("Verdana");
    PushButton1.SetTextSize(12);
    PushButton1.SetDefault(true);
    PushButton1.Action = [this] { PushButton1_Action(); };

    Add(PushButton2, 286, 323, 140, 20);
    PushButton2.SetTextFont("Verdana");
    PushButton2.SetTextSize(12);
    PushButton2.Action = [this] { PushButton2_Action(); };

    Add(Canvas1, 20, 20, 64, 64);
    Canvas1.SetBackdrop(groupclipartusergroup42());

    Add(Label1, 102, 59, 423, 56);
    Label1.SetMultiline(true);
    Label1.SetTextSize(10);

    Add(Label2, 102, 119, 100, 20);
    Label2.SetTextSize(10);
    Label2.SetBold(true);

    // The window keeps its size, so the notes area keeps its place too.
    Add(versionText, 102, 140, 476, 171);
    versionText.SetReadOnly(true);

    Add(versionLabel, 102, 35, 100, 20);
    versionLabel.SetTextSize(10);
}

void newVersionWindow::PushButton1_Action() {
    ShowURL(Product::kDownloadURL);
    Close();
}

void newVersionWindow::PushButton2_Action() {
    Close();
}
