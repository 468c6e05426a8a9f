#pragma once
// Window class name of the main window: "Dirvane 由 Kelmora 软件 制作" as its
// code-page-936 bytes, fixed whatever code page the system runs with. Running
// instances find each other by this name alone.
namespace resources {
inline constexpr char kMainClassName[] =
    "Dirvane \xD3\xC9 Kelmora \xC8\xED\xBC\xFE \xD6\xC6\xD7\xF7";
}  // namespace resources
