// Where the package's data goes and in which order it is initialised: the
// only compiler-specific spellings of the package, valid for GCC on ELF and
// PE targets alike.
#ifndef GLOSSAPACK_PLACEMENT_H
#define GLOSSAPACK_PLACEMENT_H

// Locale texts and default flags: a read-only section of their own, mapped
// from the file and shared by every process that loads the package. Only
// const data without pointers may go there; a pointer would need relocation
// and make the pages private. The alignment is that of UTF-16 code units:
// left alone, the compiler aligns each longer array to 32 bytes, which costs
// about a quarter more pages.
#define GLOSSAPACK_SHARED_TEXT __attribute__((section("vxshare"), aligned(2)))

// Dynamic initialisation of one locale's objects (completion of its records,
// then its registration) runs at this rank. Ranks follow the registration
// order, so the order holds whatever order the linker puts the units in.
#define GLOSSAPACK_LOAD_ORDER(rank) __attribute__((init_priority(1000 + (rank))))

#endif
