-- Every user of the suite reads the document types.
GRANT SELECT ON TIPO_DOCUMENTO TO PUBLIC;
