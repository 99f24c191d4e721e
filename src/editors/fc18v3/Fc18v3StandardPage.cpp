#include "editors/PageBuilder.h"
#include "editors/fc18v3/Fc18v3Pages.h"

namespace fc18v3 {

// The "Standard" program has nothing to set: the page says so.
const PageTable& StandardPage() {
    static const PageTable page =
        PageBuilder(kStandardPage, "Mischprogramm Standard")
            .Note("Im Standard Mischprogramm gibt es keine weiteren Einstellungen.")
            .Build();
    return page;
}

}  // namespace fc18v3
