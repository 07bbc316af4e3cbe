KESTRO placeholder graphics
channel folder: teleon
file: misc16.fsh
