// How a run of the installer starts, what the chooser offers, which products
// a directory holds, and the completion text.
#include <gtest/gtest.h>

#include <string>

#include "PageTexts.h"
#include "SetupProducts.h"
#include "SetupStart.h"

namespace {

TEST(SetupStart, TheCommandLineAndTheUninstallEntryChooseTheStart) {
    struct Case {
        std::string commandLine;
        bool entry;
        StartCase expected;
    } cases[] = {
        {"", false, StartCase::DetectProducts},
        {"  \t", false, StartCase::DetectProducts},
        {"", true, StartCase::ShowChooser},
        {"-U C:\\Program Files\\Barcode\\repair\\uninstall.lst", false, StartCase::ShowChooser},
        {"/MSI_Install_Step 3", false, StartCase::ShowParameters},
        {"/MSI_Inst", true, StartCase::ShowParameters},
        {"/MSI_Instead", false, StartCase::ShowParameters},
        // Only the exact switch: another spelling is a list path.
        {"/msi_inst", false, StartCase::ShowChooser},
        {std::string(10000, 'x'), false, StartCase::ShowChooser},
    };
    for (const Case& c : cases)
        EXPECT_EQ(StartCaseOf(c.commandLine, c.entry), c.expected)
            << "command line \"" << c.commandLine.substr(0, 40) << "\", entry " << c.entry;
}

TEST(SetupStart, TheChooserOffersWhatCanRunAndPreselectsInstallFirst) {
    using A = ChooserAction;
    struct Case {
        const char* commandLine;
        StartDirectory directory; // list, barcode marker, server marker
        bool remove, repair, install;
        A selected;
    } cases[] = {
        // The uninstall entry's command from the DLL's distribution folder.
        {"-U C:\\B\\repair\\uninstall.lst", {false, true, false}, true, true, true, A::Install},
        // The same command from U, where no product is.
        {"-U C:\\B\\repair\\uninstall.lst", {false, false, false}, true, true, false, A::Remove},
        // Started in U without arguments: its list is below.
        {"", {true, false, false}, true, true, false, A::Remove},
        {"", {false, false, true}, false, false, true, A::Install},
        // Nothing to do: nothing enabled, nothing chosen.
        {"  ", {false, false, false}, false, false, false, A::None},
    };
    for (const Case& c : cases) {
        ChooserState state = ChooserStateFor(c.commandLine, c.directory);
        SCOPED_TRACE(std::string("command line \"") + c.commandLine + "\"");
        EXPECT_EQ(state.removeEnabled, c.remove);
        EXPECT_EQ(state.repairEnabled, c.repair);
        EXPECT_EQ(state.installEnabled, c.install);
        EXPECT_EQ(state.selected, c.selected);
        EXPECT_TRUE(c.selected == A::None || state.IsEnabled(c.selected));
    }
}

TEST(SetupProducts, BothMarkersInstallTheDllFirstAndTheCompletionNamesItsVersion) {
    EXPECT_TRUE(ProductsIn({}).empty());
    EXPECT_EQ(ProductsIn({false, true, true}),
              (std::vector<Product>{Product::BarcodeDll, Product::QuodraServer}));
    EXPECT_EQ(ProductsIn({true, false, true}), std::vector<Product>{Product::QuodraServer});

    const std::string text = CompletionText(Product::BarcodeDll, kBarcodeDllTitle, "4.2.5.0");
    EXPECT_EQ(text.rfind("Barcode DLL for SAPLPD and SAPSprint version 4.2.5.0.\n"
                         "Installation complete.\n\nAvailable Barcodes:\n",
                         0),
              0u)
        << text;
    EXPECT_NE(text.find("QR Code"), std::string::npos);
    EXPECT_EQ(text.back(), '\n');
    // A title holding "%s" is shown as it stands.
    EXPECT_NE(WelcomeText("100%s sure").find("of the 100%s sure.\n"), std::string::npos);
}

} // namespace
