#include "SetupProducts.h"

const char* ProductTitle(Product product) {
    return product == Product::BarcodeDll ? kBarcodeDllTitle : kQuodraServerTitle;
}

std::vector<Product> ProductsIn(const StartDirectory& directory) {
    std::vector<Product> products;
    if (directory.barcodeMarkerPresent) products.push_back(Product::BarcodeDll);
    if (directory.serverMarkerPresent) products.push_back(Product::QuodraServer);
    return products;
}
