"""Records, translations and spectra of binary data files (.vqb), read through Morvane."""
from morvane._morvane import File, Profile, Record, Spectrum, __version__, open, profile

__all__ = ["File", "Profile", "Record", "Spectrum", "open", "profile"]
