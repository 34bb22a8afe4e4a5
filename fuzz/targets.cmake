plexo_fuzz_target(dib_rle DEPS fw_gdi)
