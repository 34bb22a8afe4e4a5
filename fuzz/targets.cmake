plexo_fuzz_target(autostart_entry DEPS fw_settings)
plexo_fuzz_target(instance_message DEPS fw_shell_ui)
plexo_fuzz_target(jpeg_decode DEPS fw_image)
plexo_fuzz_target(emf_play DEPS fw_gdi)
