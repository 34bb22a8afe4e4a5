plexo_fuzz_target(autostart_entry DEPS fw_settings)
plexo_fuzz_target(instance_message DEPS fw_shell_ui)
plexo_fuzz_target(dib_rle DEPS fw_gdi)
plexo_fuzz_target(shapes_document DEPS plexo_shapes)
