KESTRO placeholder graphics
channel folder: canal+
file: misc16.fsh
