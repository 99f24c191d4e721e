#include <gtest/gtest.h>

#include "common/UserDialogs.h"

namespace {

template <typename Dialogs>
concept OffersPrintDialogs = requires {
    &Dialogs::SetUpPage;
}
|| requires {
    &Dialogs::ChoosePrinter;
};

// The core's dialogs know no printer: the page-setup and print dialogs belong to the
// windowed program alone, and the command-line tool links without them.
TEST(UserDialogsTest, OfferNoPrintDialogs) {
    EXPECT_FALSE(OffersPrintDialogs<UserDialogs>);
}

}  // namespace
