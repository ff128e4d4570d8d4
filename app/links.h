#pragma once
#include <string>

// The vendor's web site, opened by the four link buttons. One place to change it.
inline constexpr wchar_t kVendorSite[] = L"http://www.durnwick.example";

// Each link button opens one page; its tooltip shows an older address of it.
struct VendorPage {
    const wchar_t* opens;
    const wchar_t* shows;
};
inline constexpr VendorPage kSupportPage{L"/support.html", L"/support.htm"};
inline constexpr VendorPage kProductsPage{L"/products.html", L"/products.htm"};
inline constexpr VendorPage kServicesPage{L"/services.html", L"/solutions.htm"};
inline constexpr VendorPage kHomePage{L"/", L"/"};

inline std::wstring VendorAddress(const wchar_t* path) { return std::wstring(kVendorSite) + path; }
