// The layer check DLLs need one source of their own; everything they link
// comes from the module archive.
