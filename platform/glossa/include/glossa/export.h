// Export marker of the stand-in glossa library. GLOSSA_BUILDING is defined
// only while the library itself is compiled.
#ifndef GLOSSA_EXPORT_H
#define GLOSSA_EXPORT_H

#if defined(_WIN32)
#  if defined(GLOSSA_BUILDING)
#    define GLOSSA_API __declspec(dllexport)
#  else
#    define GLOSSA_API __declspec(dllimport)
#  endif
#else
#  define GLOSSA_API __attribute__((visibility("default")))
#endif

#endif
